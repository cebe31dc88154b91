#include "catalogue/dbf_layout.h"

#include <cstdio>
#include <string>

namespace quintaro::catalogue {

namespace {

constexpr int kFileHeader = 32;
constexpr int kDescriptor = 32;
constexpr char kTerminator = 0x0D;
constexpr char kEndOfFile = 0x1A;
constexpr int kFoxProBackLink = 263;

int byte_at(std::string_view file, std::size_t at) {
    return static_cast<unsigned char>(file[at]);
}
int u16(std::string_view file, std::size_t at) {
    return byte_at(file, at) | byte_at(file, at + 1) << 8;
}
std::int64_t u32(std::string_view file, std::size_t at) {
    return static_cast<std::int64_t>(u16(file, at)) | static_cast<std::int64_t>(u16(file, at + 2))
                                                          << 16;
}

std::string hex(int byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::string count_of(std::int64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

Result<DbfLayout> damaged(const std::string& what) {
    return Result<DbfLayout>::failure(what);
}

// The descriptors run from byte 32 in steps of 32 up to the terminator.
// Returns the terminator's place, or 0 when there is none.
std::size_t find_terminator(std::string_view file) {
    for (std::size_t at = kFileHeader; at < file.size(); at += kDescriptor) {
        if (file[at] == kTerminator)
            return at;
    }
    return 0;
}

// What lies between the terminator and the first record is not a record.
bool spare_header_space(std::string_view file, std::size_t after_terminator, int header_length) {
    const auto end = static_cast<std::size_t>(header_length);
    const int version = byte_at(file, 0);
    const bool foxpro = version >= 0x30 && version <= 0x32;
    if (foxpro && end == after_terminator + kFoxProBackLink)
        return true;
    return file.substr(after_terminator, end - after_terminator).find_first_not_of('\0') ==
           std::string_view::npos;
}

// Field names are letters, digits and the underscore in dBASE; other writers
// allow more, but never a blank or a control character.
bool sound_name(std::string_view name) {
    for (char c : name) {
        const int byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F)
            return false;
    }
    return true;
}

std::string shown_name(std::string_view name) {
    std::string shown;
    for (char c : name) {
        const int byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte >= 0x7F ? "\\x" + hex(byte).substr(2) : std::string(1, c);
    }
    return shown;
}

bool known_type(char type) {
    return (type >= 'A' && type <= 'Z') || (type >= '0' && type <= '9') || type == '@' ||
           type == '+';
}

}  // namespace

Result<DbfLayout> check_layout(std::string_view file) {
    if (file.empty())
        return damaged("o arquivo está vazio");
    if (file.size() < kFileHeader) {
        return damaged("o arquivo tem " +
                       count_of(static_cast<std::int64_t>(file.size()), "byte", "bytes") +
                       ", menos que o cabeçalho de uma tabela dBASE");
    }
    const std::size_t terminator = find_terminator(file);
    if (terminator == 0)
        return damaged("a lista de campos do cabeçalho não termina com o byte 0x0D");

    DbfLayout layout;
    layout.header_length = u16(file, 8);
    layout.record_length = u16(file, 10);
    layout.record_count = u32(file, 4);
    layout.field_count = static_cast<int>((terminator - kFileHeader) / kDescriptor);
    const std::size_t descriptors_end = terminator + 1;
    if (static_cast<std::size_t>(layout.header_length) < descriptors_end ||
        static_cast<std::size_t>(layout.header_length) > file.size() ||
        !spare_header_space(file, descriptors_end, layout.header_length)) {
        return damaged("o comprimento do cabeçalho anunciado (" +
                       std::to_string(layout.header_length) +
                       " bytes) não é onde terminam as descrições dos campos (" +
                       std::to_string(descriptors_end) + " bytes)");
    }

    int widths = 0;
    for (int f = 0; f < layout.field_count; ++f) {
        const std::string_view descriptor =
            file.substr(kFileHeader + static_cast<std::size_t>(f) * kDescriptor, kDescriptor);
        const std::string name(
            descriptor.substr(0, std::min(descriptor.find('\0'), std::size_t{11})));
        if (name.empty())
            return damaged("o campo nº " + std::to_string(f + 1) + " não tem nome");
        if (!sound_name(name)) {
            return damaged("o nome do campo nº " + std::to_string(f + 1) + " (\"" +
                           shown_name(name) + "\") tem um caractere de controle ou um espaço");
        }
        if (!known_type(descriptor[11])) {
            return damaged("o campo " + name + " tem um tipo desconhecido (byte " +
                           hex(byte_at(descriptor, 11)) + ")");
        }
        const int width = byte_at(descriptor, 16);
        if (width == 0)
            return damaged("o campo " + name + " tem largura zero");
        widths += width;
    }
    if (layout.record_length != widths + 1) {
        return damaged("o comprimento de registro anunciado (" +
                       std::to_string(layout.record_length) +
                       " bytes) não confere com a soma das larguras dos campos (" +
                       std::to_string(widths) + " bytes, mais 1 da marca de apagado)");
    }

    auto records = static_cast<std::int64_t>(file.size()) - layout.header_length;
    if (records > 0 && file.back() == kEndOfFile && (records - 1) % layout.record_length == 0)
        --records;  // the end-of-file mark, which not every writer puts
    if (records != layout.record_count * layout.record_length) {
        const std::int64_t whole = records / layout.record_length;
        const std::int64_t rest = records % layout.record_length;
        return damaged("o cabeçalho anuncia " +
                       count_of(layout.record_count, "registro", "registros") + " de " +
                       std::to_string(layout.record_length) +
                       " bytes, mas o tamanho do arquivo corresponde a " +
                       count_of(whole, "registro", "registros") +
                       (rest == 0 ? "" : " e mais " + count_of(rest, "byte", "bytes")));
    }
    for (std::int64_t r = 0; r < layout.record_count; ++r) {
        const auto at = static_cast<std::size_t>(layout.header_length + r * layout.record_length);
        if (file[at] != ' ' && file[at] != '*') {
            return damaged("o registro nº " + std::to_string(r + 1) + " começa com o byte " +
                           hex(byte_at(file, at)) +
                           " em vez da marca de apagado (espaço ou \"*\")");
        }
    }
    return layout;
}

}  // namespace quintaro::catalogue
