#include "ground/gitter_grenzen.h"

#include "model/fehler.h"

#include <string>

namespace kov {

void BereichsFehler(const char* was, int wert, int von, int bis) {
    throw TParameterFehler(std::string(was) + " " + std::to_string(wert) +
                           " liegt nicht im Bereich " + std::to_string(von) + ".." +
                           std::to_string(bis) + ".");
}

} // namespace kov
