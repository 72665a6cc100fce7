#include "ui/jpeg_bild.h"

// jpeglib.h needs size_t and FILE declared before it
#include <cstdio>

#include <jpeglib.h>

#include <csetjmp>
#include <cstdint>

namespace kov {

namespace {

// libjpeg's default error exit calls exit(); ours jumps back into Dekodieren instead.
struct TJpegFehlerAusgang {
    jpeg_error_mgr Basis;
    std::jmp_buf Sprung;
};

[[noreturn]] void FehlerAusgang(j_common_ptr info) {
    std::longjmp(reinterpret_cast<TJpegFehlerAusgang*>(info->err)->Sprung, 1);
}

// Warnings are counted by libjpeg and judged after decoding; nothing goes to stderr.
void MeldungVerwerfen(j_common_ptr) {}

// Same ceiling as Qt's image readers: a forged header must not make us allocate gigabytes.
constexpr std::uint64_t HoechsteBildBytes = std::uint64_t{256} << 20;

// Writes into the caller's image only through the reference, so that no local object with a
// destructor is live across setjmp and nothing needs to be volatile.
bool Dekodieren(const unsigned char* daten, std::size_t laenge, QImage& ziel) {
    jpeg_decompress_struct info{};
    TJpegFehlerAusgang fehler{};
    info.err = jpeg_std_error(&fehler.Basis);
    fehler.Basis.error_exit = FehlerAusgang;
    fehler.Basis.output_message = MeldungVerwerfen;
    if (setjmp(fehler.Sprung)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, daten, static_cast<unsigned long>(laenge));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
        std::uint64_t{3} * info.image_width * info.image_height > HoechsteBildBytes) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    ziel = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGB888);
    if (ziel.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW zeile = ziel.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_decompress(&info);
    // a truncated or damaged stream is only a warning to libjpeg, which fills the rest grey
    const bool vollstaendig = fehler.Basis.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return vollstaendig;
}

} // namespace

QImage JpegBildLesen(const unsigned char* daten, std::size_t laenge) {
    QImage bild;
    if (daten == nullptr || laenge == 0 || !Dekodieren(daten, laenge, bild)) return {};
    return bild;
}

} // namespace kov
