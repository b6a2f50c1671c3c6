// The form layout text: nested objects with a name, a kind, properties and
// children. Portable: the Windows side turns the tree into controls.
//
//   object MainPnl: Panel
//     Left = 0
//     Anchors = [akLeft, akTop, akRight, akBottom]
//     Color = rgb(245, 245, 245)
//     Lines = ("first line", "second line")
//     OnClick = CloseImgClick
//     object Child: Label
//     end
//   end
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"

namespace launcher {

class LayoutError : public Exception {
public:
    using Exception::Exception;
};

struct LayoutValue {
    enum class Kind { Integer, String, Identifier, Set, StringList };
    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    std::u16string text;                // String and Identifier
    std::vector<std::u16string> items;  // Set (identifiers) and StringList
};

struct LayoutProperty {
    std::u16string name;  // may be dotted: Font.Height, CaptionA.Caption
    LayoutValue value;
    int line = 0;
};

struct LayoutObject {
    std::u16string name;
    std::u16string kind;
    int line = 0;
    std::vector<LayoutProperty> properties;
    std::vector<LayoutObject> children;
};

// Parses one top-level object; every error names `source` and the line.
LayoutObject ParseLayout(std::string_view utf8, const std::u16string& source);

// "source:line: what" for errors found while applying a layout.
std::u16string LayoutErrorText(const std::u16string& source, int line, const std::u16string& what);

// A design value at 96 pixels per inch scaled to `dpi`, rounded as MulDiv rounds.
int ScaleDesign(int value, int dpi);

}  // namespace launcher
