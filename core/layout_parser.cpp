#include "core/layout_parser.h"

#include <set>

#include "core/ustring.h"

namespace launcher {
namespace {

bool IsIdentStart(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
}
bool IsIdentChar(char16_t c) {
    return IsIdentStart(c) || (c >= u'0' && c <= u'9');
}
bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

class Parser {
public:
    Parser(std::u16string text, std::u16string source) : s_(std::move(text)), source_(std::move(source)) {}

    LayoutObject ParseFile() {
        SkipBlank();
        if (AtEnd())
            Fail(u"empty layout: expected \"object\"");
        LayoutObject root = ParseObject();
        SkipBlank();
        if (!AtEnd())
            Fail(u"unexpected text after the last \"end\"");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::u16string& what) const {
        throw LayoutError(LayoutErrorText(source_, line_, what));
    }

    bool AtEnd() const { return pos_ >= s_.size(); }
    char16_t Peek() const { return AtEnd() ? u'\0' : s_[pos_]; }

    // Blanks, line breaks and comments (# to the end of the line).
    void SkipBlank() {
        while (!AtEnd()) {
            const char16_t c = s_[pos_];
            if (c == u'\n') {
                ++line_;
                ++pos_;
            } else if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\uFEFF') {
                ++pos_;
            } else if (c == u'#') {
                while (!AtEnd() && s_[pos_] != u'\n')
                    ++pos_;
            } else {
                break;
            }
        }
    }

    // Blanks within one line only.
    void SkipSpaces() {
        while (!AtEnd() && (s_[pos_] == u' ' || s_[pos_] == u'\t' || s_[pos_] == u'\r'))
            ++pos_;
    }

    void EndOfLine() {
        SkipSpaces();
        if (!AtEnd() && s_[pos_] == u'#') {
            while (!AtEnd() && s_[pos_] != u'\n')
                ++pos_;
        }
        if (!AtEnd() && s_[pos_] != u'\n')
            Fail(u"unexpected \"" + s_.substr(pos_, 1) + u"\" at the end of the line");
    }

    std::u16string Ident() {
        if (!IsIdentStart(Peek()))
            Fail(u"expected a name");
        const size_t start = pos_;
        while (!AtEnd() && IsIdentChar(s_[pos_]))
            ++pos_;
        return s_.substr(start, pos_ - start);
    }

    std::u16string DottedIdent() {
        std::u16string name = Ident();
        while (Peek() == u'.') {
            ++pos_;
            name += u'.';
            name += Ident();
        }
        return name;
    }

    void Expect(char16_t c) {
        SkipSpaces();
        if (Peek() != c)
            Fail(std::u16string(u"expected \"") + c + u"\"");
        ++pos_;
    }

    LayoutObject ParseObject() {
        LayoutObject obj;
        obj.line = line_;
        if (Ident() != u"object")
            Fail(u"expected \"object\"");
        SkipSpaces();
        obj.name = Ident();
        Expect(u':');
        SkipSpaces();
        obj.kind = Ident();
        EndOfLine();
        std::set<std::u16string> seen;
        for (;;) {
            SkipBlank();
            if (AtEnd())
                Fail(u"\"end\" missing for object " + obj.name);
            const int lineOfItem = line_;
            const std::u16string word = DottedIdent();
            if (word == u"end") {
                EndOfLine();
                return obj;
            }
            if (word == u"object") {
                pos_ -= 6;
                obj.children.push_back(ParseObject());
                continue;
            }
            if (!seen.insert(word).second)
                Fail(u"property " + word + u" given twice");
            Expect(u'=');
            SkipSpaces();
            LayoutProperty prop;
            prop.name = word;
            prop.line = lineOfItem;
            prop.value = ParseValue();
            EndOfLine();
            obj.properties.push_back(std::move(prop));
        }
    }

    std::int64_t Integer() {
        SkipSpaces();
        bool negative = false;
        if (Peek() == u'-') {
            negative = true;
            ++pos_;
        }
        if (!IsDigit(Peek()))
            Fail(u"expected a number");
        std::int64_t v = 0;
        while (IsDigit(Peek())) {
            v = v * 10 + (s_[pos_] - u'0');
            if (v > 0x7FFFFFFF)
                Fail(u"number out of range");
            ++pos_;
        }
        return negative ? -v : v;
    }

    std::u16string String() {
        ++pos_;  // opening quote
        std::u16string out;
        for (;;) {
            if (AtEnd() || Peek() == u'\n')
                Fail(u"string not closed");
            char16_t c = s_[pos_++];
            if (c == u'"')
                return out;
            if (c == u'\\') {
                if (AtEnd())
                    Fail(u"string not closed");
                const char16_t e = s_[pos_++];
                switch (e) {
                    case u'"':
                        out += u'"';
                        break;
                    case u'\\':
                        out += u'\\';
                        break;
                    case u'n':
                        out += u'\n';
                        break;
                    case u'r':
                        out += u'\r';
                        break;
                    case u't':
                        out += u'\t';
                        break;
                    default:
                        Fail(std::u16string(u"unknown escape \\") + e);
                }
                continue;
            }
            out += c;
        }
    }

    LayoutValue ParseValue() {
        LayoutValue v;
        const char16_t c = Peek();
        if (c == u'"') {
            v.kind = LayoutValue::Kind::String;
            v.text = String();
        } else if (c == u'-' || IsDigit(c)) {
            v.kind = LayoutValue::Kind::Integer;
            v.integer = Integer();
        } else if (c == u'[') {
            ++pos_;
            v.kind = LayoutValue::Kind::Set;
            SkipSpaces();
            if (Peek() == u']') {
                ++pos_;
                return v;
            }
            for (;;) {
                SkipSpaces();
                v.items.push_back(Ident());
                SkipSpaces();
                if (Peek() == u']')
                    break;
                Expect(u',');
            }
            ++pos_;
        } else if (c == u'(') {
            ++pos_;
            v.kind = LayoutValue::Kind::StringList;
            for (;;) {
                SkipBlank();
                if (Peek() != u'"')
                    Fail(u"expected a string in the list");
                v.items.push_back(String());
                SkipBlank();
                if (Peek() == u')')
                    break;
                if (Peek() != u',')
                    Fail(u"expected \",\" or \")\" in the list");
                ++pos_;
            }
            ++pos_;
        } else if (IsIdentStart(c)) {
            const std::u16string word = Ident();
            if (word == u"rgb" && Peek() == u'(') {
                ++pos_;
                std::int64_t parts[3];
                for (int i = 0; i < 3; ++i) {
                    if (i)
                        Expect(u',');
                    parts[i] = Integer();
                    if (parts[i] > 255 || parts[i] < 0)
                        Fail(u"colour part out of 0 to 255");
                }
                Expect(u')');
                v.kind = LayoutValue::Kind::Integer;
                v.integer = parts[0] | (parts[1] << 8) | (parts[2] << 16);
            } else {
                v.kind = LayoutValue::Kind::Identifier;
                v.text = word;
            }
        } else {
            Fail(u"expected a value");
        }
        return v;
    }

    std::u16string s_;
    std::u16string source_;
    size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace

LayoutObject ParseLayout(std::string_view utf8, const std::u16string& source) {
    return Parser(FromUtf8(utf8), source).ParseFile();
}

std::u16string LayoutErrorText(const std::u16string& source, int line, const std::u16string& what) {
    return source + u":" + IntToStr(line) + u": " + what;
}

int ScaleDesign(int value, int dpi) {
    if (dpi == 96)
        return value;
    const std::int64_t p = static_cast<std::int64_t>(value) * dpi;
    const std::int64_t half = 48;
    return static_cast<int>(p >= 0 ? (p + half) / 96 : -((-p + half) / 96));
}

}  // namespace launcher
