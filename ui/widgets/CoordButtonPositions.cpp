#include "ui/widgets/CoordButtonPositions.h"

#include <QFile>
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <pugixml.hpp>
#include <string>

namespace keylume {

namespace {

std::string WithoutBlanks(std::string_view text, bool alsoHash) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) || (alsoHash && c == '#')) continue;
        out.push_back(c);
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a signed decimal number at `pos` in the manner of "%d": an optional
// sign and at least one digit. Values beyond 32 bits saturate instead of
// wrapping. False when no number starts at `pos`.
bool ReadDecimal(const std::string& text, size_t& pos, int64_t& value) {
    size_t i = pos;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    int64_t magnitude = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        magnitude = std::min<int64_t>(magnitude * 10 + (text[i] - '0'), int64_t{1} << 40);
    }
    value =
        std::clamp<int64_t>(negative ? -magnitude : magnitude, std::numeric_limits<int32_t>::min(),
                            std::numeric_limits<int32_t>::max());
    pos = i;
    return true;
}

int32_t SaturatedSum(int32_t a, int32_t b) {
    return static_cast<int32_t>(std::clamp<int64_t>(
        int64_t{a} + b, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int32_t ReadId(const pugi::xml_node& node, const char* name) {
    const pugi::xml_attribute attribute = node.attribute(name);
    return attribute ? attribute.as_int(0) : -1;
}

void ReadButtons(const pugi::xml_node& positions, std::vector<CoordButton>& buttons) {
    for (pugi::xml_node child = positions.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        CoordButton button;
        button.id = ReadId(child, "id");
        button.va = ReadId(child, "va");
        button.name = QString::fromUtf8(child.attribute("name").as_string());
        button.color = ReadCoordButtonColor(child.attribute("color").as_string());
        ReadCoordButtonRect(child.attribute("rect").as_string(), button);
        buttons.push_back(std::move(button));
    }
}

bool ReadDocument(const pugi::xml_document& document, const pugi::xml_parse_result& result,
                  std::vector<CoordButton>& buttons) {
    buttons.clear();
    if (!result) return false;
    const pugi::xml_node positions = document.child("positions");
    if (!positions) return false;
    ReadButtons(positions, buttons);
    return true;
}

}  // namespace

uint32_t ReadCoordButtonColor(std::string_view text) {
    const std::string packed = WithoutBlanks(text, true);
    size_t i = 0;
    if (packed.size() >= 2 && packed[0] == '0' && (packed[1] == 'x' || packed[1] == 'X')) i = 2;
    uint64_t value = 0;
    size_t digits = 0;
    for (; i < packed.size() && HexDigit(packed[i]) >= 0; ++i, ++digits) {
        value = value * 16 + HexDigit(packed[i]);
        if (value > 0xFFFFFFFFu) return kDefaultCoordButtonColor;  // no 32-bit colour
    }
    return digits > 0 ? static_cast<uint32_t>(value) : kDefaultCoordButtonColor;
}

void ReadCoordButtonRect(std::string_view text, CoordButton& button) {
    const std::string packed = WithoutBlanks(text, false);
    int32_t numbers[4] = {0, 0, 0, 0};
    size_t pos = 0;
    for (int n = 0; n < 4; ++n) {
        if (n > 0) {
            if (pos >= packed.size() || packed[pos] != ',') break;
            ++pos;
        }
        int64_t value = 0;
        if (!ReadDecimal(packed, pos, value)) break;
        numbers[n] = static_cast<int32_t>(value);
    }
    button.left = numbers[0];
    button.top = numbers[1];
    button.right = SaturatedSum(numbers[0], numbers[2]);
    button.bottom = SaturatedSum(numbers[1], numbers[3]);
}

bool LoadCoordButtonsFromFile(const QString& path, std::vector<CoordButton>& buttons) {
    buttons.clear();
    if (path.isEmpty()) return false;
    pugi::xml_document document;
    const QByteArray nativePath = QFile::encodeName(path);
    const pugi::xml_parse_result result =
        document.load_file(nativePath.constData(), pugi::parse_default, pugi::encoding_auto);
    return ReadDocument(document, result, buttons);
}

bool LoadCoordButtonsFromText(std::string_view xml, std::vector<CoordButton>& buttons) {
    pugi::xml_document document;
    const pugi::xml_parse_result result =
        document.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_auto);
    return ReadDocument(document, result, buttons);
}

}  // namespace keylume
