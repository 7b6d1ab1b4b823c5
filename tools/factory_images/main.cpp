// Writes resources/factory/ORVEX71Data_Cfg1.bin .. Cfg3.bin: 2048-byte
// images whose first 256 bytes are the table below and whose macro area is
// empty (all zeros). The three shipped images are the same.

#include <array>
#include <cctype>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

constexpr int kImageSize = 2048;
constexpr int kRowLength = 16;
constexpr int kImageCount = 3;

// Bytes 0x000 .. 0x0FF, one row of sixteen per line: the parameter,
// profile, reserved and fire-key sections with the gap bytes between them
// (0x07F holds the image type marker 0x99).
constexpr const char* kRows[] = {
    /* 000 */ "45 F8 06 38 FF 00 01 04 06 07 09 0A 07 01 04 03",
    /* 010 */ "00 02 05 06 FF 00 7F FF FF FF 00 FF 00 FF 00 FF",
    /* 020 */ "00 00 FF FF 00 00 00 FF FF FF FF 00 FF FF FF 70",
    /* 030 */ "01 FE 42 BD 00 FF FF FF FF FF FF FF FE FF FF FF",
    /* 040 */ "01 01 00 01 04 00 01 02 00 01 08 00 01 10 00 05",
    /* 050 */ "00 00 07 00 00 08 00 00 06 00 F0 01 01 00 01 04",
    /* 060 */ "00 01 02 00 01 08 00 01 10 00 05 00 00 07 00 00",
    /* 070 */ "08 00 00 06 00 F0 06 FF FE FF FF FF FF FF FE 99",
    /* 080 */ "0E 05 01 0E 05 19 0E 05 31 0E 05 49 0E 05 61 0E",
    /* 090 */ "05 79 0E 05 91 0E 05 A9 0E 05 C1 0E 05 D9 FF FF",
    /* 0A0 */ "FF FF FF FF FF FF FF FF FE FF FF FF FF FF FD FF",
    /* 0B0 */ "00 FF 00 FF 00 FF 00 FF 00 FF 00 FF 00 FF 00 FF",
    /* 0C0 */ "00 FF 00 FF FF FF FE FF FF FF FF FF FD FF FF FF",
    /* 0D0 */ "FF 00 00 00 FF 00 00 00 FF FF FF 00 FF 00 FF 00",
    /* 0E0 */ "FF FF FF 80 00 FF 00 80 00 FF 80 FF FF FF FF FF",
    /* 0F0 */ "0A FD 02 A1 FE 03 21 FE 06 FC 96 FF FD FF FF FF",
};

bool ParseRows(std::array<unsigned char, kImageSize>& image)
{
    int offset = 0;
    for (const char* row : kRows) {
        std::istringstream in(row);
        std::string digits;
        int inRow = 0;
        while (in >> digits) {
            if (digits.size() != 2 || !std::isxdigit(static_cast<unsigned char>(digits[0]))
                || !std::isxdigit(static_cast<unsigned char>(digits[1])) || inRow == kRowLength)
                return false;
            image[offset++] = static_cast<unsigned char>(std::stoi(digits, nullptr, 16));
            ++inRow;
        }
        if (inRow != kRowLength)
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT_DIR\n";
        return 2;
    }
    std::array<unsigned char, kImageSize> image{};
    if (!ParseRows(image)) {
        std::cerr << "the byte table is malformed\n";
        return 1;
    }
    for (int n = 1; n <= kImageCount; ++n) {
        const std::string path = std::string(argv[1]) + "/ORVEX71Data_Cfg" + std::to_string(n) + ".bin";
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()), image.size());
        out.close();
        if (!out) {
            std::cerr << "cannot write " << path << "\n";
            return 1;
        }
        std::cout << "wrote " << path << "\n";
    }
    return 0;
}
