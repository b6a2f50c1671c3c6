// Builds a form from its layout: components made by kind name, properties set
// through a table per kind, events bound by handler name, design values scaled
// from 96 pixels per inch to the display. Anything unknown is an error.
#pragma once
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "core/layout_parser.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"

namespace launcher {

// The handlers a form offers to its layout, by name.
struct EventTable {
    std::map<std::u16string, NotifyEvent> Notify;
    std::map<std::u16string, KeyEvent> Key;
    std::map<std::u16string, MouseEvent> Mouse;
};

struct PropertyContext {
    int dpi = 96;
    const EventTable* events = nullptr;
    int Scale(int v) const { return ScaleDesign(v, dpi); }
};

// Thrown by property setters for a value they cannot take; the reader adds the place.
struct LayoutValueError {
    std::u16string what;
};

using PropertySetter = std::function<void(Control&, const LayoutValue&, const PropertyContext&)>;

// Value readers for property setters.
int LayoutInt(const LayoutValue& v);
bool LayoutBool(const LayoutValue& v);
std::u16string LayoutString(const LayoutValue& v);
Color LayoutColor(const LayoutValue& v);
std::u16string LayoutIdent(const LayoutValue& v);
template <class E>
E LayoutEnum(const LayoutValue& v, std::initializer_list<std::pair<const char16_t*, E>> names) {
    const std::u16string id = LayoutIdent(v);
    for (const auto& [name, value] : names) {
        if (id == name)
            return value;
    }
    throw LayoutValueError{u"unknown value " + id};
}
NotifyEvent LayoutNotify(const LayoutValue& v, const PropertyContext& ctx);
KeyEvent LayoutKey(const LayoutValue& v, const PropertyContext& ctx);
MouseEvent LayoutMouse(const LayoutValue& v, const PropertyContext& ctx);

// A setter for a property of kind T.
template <class T, class F>
PropertySetter Prop(F f) {
    return [f](Control& c, const LayoutValue& v, const PropertyContext& ctx) { f(static_cast<T&>(c), v, ctx); };
}

class LayoutKinds {
public:
    static LayoutKinds& Instance();
    // A kind inherits its base kind's properties; `create` is null for forms,
    // which are never made from a layout but only filled by one.
    void Register(const std::u16string& kind,
                  const std::u16string& base,
                  std::function<Control*(Component*)> create,
                  std::map<std::u16string, PropertySetter> properties);
    bool Has(const std::u16string& kind) const { return kinds_.count(kind) != 0; }

    struct Kind {
        std::function<Control*(Component*)> create;
        std::map<std::u16string, PropertySetter> properties;
    };
    const Kind* Find(const std::u16string& kind) const;

private:
    LayoutKinds();
    std::map<std::u16string, Kind> kinds_;
};

// Reads the layout text onto `form`: the top object's properties go to the form
// itself, its children become components owned by the form. Throws LayoutError.
void ReadLayout(Form& form, std::string_view utf8, const std::u16string& source, const EventTable& events, int dpi);
// The layout stored in the executable as resource `name` of type "LAYOUT".
void ReadLayoutResource(Form& form, const std::u16string& name, const EventTable& events, int dpi);
// Pixels per logical inch of the display, as a program without DPI awareness sees it.
int ScreenPixelsPerInch();

}  // namespace launcher
