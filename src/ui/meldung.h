#pragma once
// Message boxes whose text always fits on the screen: long words (paths, file names) get break
// opportunities, so that the box wraps them instead of growing beyond the screen.

#include <QMessageBox>
#include <QString>

class QWidget;

namespace kov {

// The text with a zero-width space after each run of 30 characters without a blank and after
// the separators "/", "\", "_", "." and "," of words longer than that.
QString UmbruchErlauben(const QString& text);

void MeldungZeigen(QWidget* eltern, QMessageBox::Icon art, const QString& titel,
                   const QString& text);

} // namespace kov
