#include "platform/ui/layout.h"

#include <set>

#include "platform/wstr.h"

namespace launcher {
namespace {

using K = LayoutValue::Kind;

void Require(const LayoutValue& v, K kind, const char16_t* what) {
    if (v.kind != kind)
        throw LayoutValueError{std::u16string(u"expected ") + what};
}

Anchors LayoutAnchors(const LayoutValue& v) {
    Require(v, K::Set, u"a set of anchors");
    Anchors a = 0;
    for (const auto& item : v.items) {
        LayoutValue one;
        one.kind = K::Identifier;
        one.text = item;
        a |= LayoutEnum<Anchors>(
            one, {{u"akLeft", akLeft}, {u"akTop", akTop}, {u"akRight", akRight}, {u"akBottom", akBottom}});
    }
    return a;
}

std::uint8_t LayoutFontStyle(const LayoutValue& v) {
    Require(v, K::Set, u"a set of font styles");
    std::uint8_t s = 0;
    for (const auto& item : v.items) {
        LayoutValue one;
        one.kind = K::Identifier;
        one.text = item;
        s |= LayoutEnum<std::uint8_t>(one, {{u"fsBold", fsBold},
                                            {u"fsItalic", fsItalic},
                                            {u"fsUnderline", fsUnderline},
                                            {u"fsStrikeOut", fsStrikeOut}});
    }
    return s;
}

TextAlign LayoutAlignment(const LayoutValue& v) {
    return LayoutEnum<TextAlign>(
        v,
        {{u"taLeftJustify", TextAlign::Left}, {u"taCenter", TextAlign::Center}, {u"taRightJustify", TextAlign::Right}});
}

}  // namespace

int LayoutInt(const LayoutValue& v) {
    Require(v, K::Integer, u"a number");
    return static_cast<int>(v.integer);
}

bool LayoutBool(const LayoutValue& v) {
    return LayoutEnum<bool>(v, {{u"true", true}, {u"false", false}});
}

std::u16string LayoutString(const LayoutValue& v) {
    Require(v, K::String, u"a string");
    return v.text;
}

std::u16string LayoutIdent(const LayoutValue& v) {
    Require(v, K::Identifier, u"a name");
    return v.text;
}

Color LayoutColor(const LayoutValue& v) {
    if (v.kind == K::Integer)
        return static_cast<Color>(v.integer);
    return LayoutEnum<Color>(v, {{u"clWhite", clWhite},
                                 {u"clBlack", clBlack},
                                 {u"clSilver", RGBColor(192, 192, 192)},
                                 {u"clNavy", RGBColor(0, 0, 128)},
                                 {u"clGray", RGBColor(128, 128, 128)},
                                 {u"clWindowText", clWindowText},
                                 {u"clWindow", clWindow},
                                 {u"clBtnFace", clBtnFace}});
}

template <class Ev>
Ev LookUpHandler(const LayoutValue& v, const std::map<std::u16string, Ev>& table, const char16_t* kind) {
    const std::u16string name = LayoutIdent(v);
    const auto it = table.find(name);
    if (it == table.end())
        throw LayoutValueError{u"unknown " + std::u16string(kind) + u" handler " + name};
    return it->second;
}

NotifyEvent LayoutNotify(const LayoutValue& v, const PropertyContext& ctx) {
    return LookUpHandler(v, ctx.events->Notify, u"notify");
}
KeyEvent LayoutKey(const LayoutValue& v, const PropertyContext& ctx) {
    return LookUpHandler(v, ctx.events->Key, u"key");
}
MouseEvent LayoutMouse(const LayoutValue& v, const PropertyContext& ctx) {
    return LookUpHandler(v, ctx.events->Mouse, u"mouse");
}

LayoutKinds& LayoutKinds::Instance() {
    static LayoutKinds kinds;
    return kinds;
}

void LayoutKinds::Register(const std::u16string& kind,
                           const std::u16string& base,
                           std::function<Control*(Component*)> create,
                           std::map<std::u16string, PropertySetter> properties) {
    Kind k;
    if (const Kind* b = Find(base))
        k.properties = b->properties;
    for (auto& [name, setter] : properties)
        k.properties[name] = std::move(setter);
    k.create = std::move(create);
    kinds_[kind] = std::move(k);
}

const LayoutKinds::Kind* LayoutKinds::Find(const std::u16string& kind) const {
    const auto it = kinds_.find(kind);
    return it == kinds_.end() ? nullptr : &it->second;
}

LayoutKinds::LayoutKinds() {
    Register(
        u"Control", u"", nullptr,
        {
            {u"Left",
             [](Control& c, const LayoutValue& v, const PropertyContext& x) { c.SetLeft(x.Scale(LayoutInt(v))); }},
            {u"Top",
             [](Control& c, const LayoutValue& v, const PropertyContext& x) { c.SetTop(x.Scale(LayoutInt(v))); }},
            {u"Width",
             [](Control& c, const LayoutValue& v, const PropertyContext& x) { c.SetWidth(x.Scale(LayoutInt(v))); }},
            {u"Height",
             [](Control& c, const LayoutValue& v, const PropertyContext& x) { c.SetHeight(x.Scale(LayoutInt(v))); }},
            {u"Anchors",
             [](Control& c, const LayoutValue& v, const PropertyContext&) { c.SetAnchors(LayoutAnchors(v)); }},
            {u"Align",
             [](Control& c, const LayoutValue& v, const PropertyContext&) {
                 c.SetAlign(LayoutEnum<Align>(v, {{u"alNone", Align::None},
                                                  {u"alTop", Align::Top},
                                                  {u"alBottom", Align::Bottom},
                                                  {u"alLeft", Align::Left},
                                                  {u"alRight", Align::Right},
                                                  {u"alClient", Align::Client}}));
             }},
            {u"Visible", [](Control& c, const LayoutValue& v, const PropertyContext&) { c.SetVisible(LayoutBool(v)); }},
            {u"Enabled", [](Control& c, const LayoutValue& v, const PropertyContext&) { c.SetEnabled(LayoutBool(v)); }},
            {u"Font.Name",
             [](Control& c, const LayoutValue& v, const PropertyContext&) { c.Font().SetName(LayoutString(v)); }},
            {u"Font.Height", [](Control& c, const LayoutValue& v,
                                const PropertyContext& x) { c.Font().SetHeight(x.Scale(LayoutInt(v))); }},
            {u"Font.Color",
             [](Control& c, const LayoutValue& v, const PropertyContext&) { c.Font().SetColor(LayoutColor(v)); }},
            {u"Font.Style",
             [](Control& c, const LayoutValue& v, const PropertyContext&) { c.Font().SetStyle(LayoutFontStyle(v)); }},
            {u"ParentFont",
             [](Control& c, const LayoutValue& v, const PropertyContext&) { c.SetParentFont(LayoutBool(v)); }},
            {u"Color", [](Control& c, const LayoutValue& v, const PropertyContext&) { c.SetColor(LayoutColor(v)); }},
            {u"ParentColor",
             [](Control& c, const LayoutValue& v, const PropertyContext&) { c.SetParentColor(LayoutBool(v)); }},
            {u"Cursor",
             [](Control& c, const LayoutValue& v, const PropertyContext&) {
                 c.SetCursor(
                     LayoutEnum<Cursor>(v, {{u"crDefault", Cursor::Default}, {u"crHandPoint", Cursor::HandPoint}}));
             }},
            {u"Hint", [](Control& c, const LayoutValue& v, const PropertyContext&) { c.SetHint(LayoutString(v)); }},
            {u"ShowHint",
             [](Control& c, const LayoutValue& v, const PropertyContext&) { c.SetShowHint(LayoutBool(v)); }},
            {u"OnClick",
             [](Control& c, const LayoutValue& v, const PropertyContext& x) { c.OnClick = LayoutNotify(v, x); }},
            {u"OnDblClick",
             [](Control& c, const LayoutValue& v, const PropertyContext& x) { c.OnDblClick = LayoutNotify(v, x); }},
            {u"OnMouseDown",
             [](Control& c, const LayoutValue& v, const PropertyContext& x) { c.OnMouseDown = LayoutMouse(v, x); }},
            {u"OnMouseUp",
             [](Control& c, const LayoutValue& v, const PropertyContext& x) { c.OnMouseUp = LayoutMouse(v, x); }},
        });
    Register(u"WinControl", u"Control", nullptr,
             {
                 {u"TabOrder", Prop<WinControl>([](WinControl& c, const LayoutValue& v, const PropertyContext&) {
                      c.SetTabOrder(LayoutInt(v));
                  })},
                 {u"TabStop", Prop<WinControl>([](WinControl& c, const LayoutValue& v, const PropertyContext&) {
                      c.SetTabStop(LayoutBool(v));
                  })},
                 {u"BorderWidth", Prop<WinControl>([](WinControl& c, const LayoutValue& v, const PropertyContext&) {
                      c.SetBorderWidth(LayoutInt(v));
                  })},
                 {u"OnKeyDown", Prop<WinControl>([](WinControl& c, const LayoutValue& v, const PropertyContext& x) {
                      c.OnKeyDown = LayoutKey(v, x);
                  })},
                 {u"OnEnter", Prop<WinControl>([](WinControl& c, const LayoutValue& v, const PropertyContext& x) {
                      c.OnEnter = LayoutNotify(v, x);
                  })},
                 {u"OnExit", Prop<WinControl>([](WinControl& c, const LayoutValue& v, const PropertyContext& x) {
                      c.OnExit = LayoutNotify(v, x);
                  })},
             });
    Register(u"Form", u"WinControl", nullptr,
             {
                 {u"Caption", Prop<Form>([](Form& f, const LayoutValue& v, const PropertyContext&) {
                      f.SetText(LayoutString(v));
                  })},
                 {u"ClientWidth", Prop<Form>([](Form& f, const LayoutValue& v, const PropertyContext& x) {
                      f.SetWidth(x.Scale(LayoutInt(v)));
                  })},
                 {u"ClientHeight", Prop<Form>([](Form& f, const LayoutValue& v, const PropertyContext& x) {
                      f.SetHeight(x.Scale(LayoutInt(v)));
                  })},
                 {u"Position", Prop<Form>([](Form& f, const LayoutValue& v, const PropertyContext&) {
                      f.SetCenterOnScreen(LayoutEnum<bool>(v, {{u"poDesigned", false}, {u"poScreenCenter", true}}));
                  })},
                 {u"OnCreate", Prop<Form>([](Form& f, const LayoutValue& v, const PropertyContext& x) {
                      f.OnCreate = LayoutNotify(v, x);
                  })},
                 {u"OnShow", Prop<Form>([](Form& f, const LayoutValue& v, const PropertyContext& x) {
                      f.OnShow = LayoutNotify(v, x);
                  })},
             });
    Register(u"Panel", u"WinControl", [](Component* owner) -> Control* { return new Panel(owner); },
             {
                 {u"Caption", Prop<Panel>([](Panel& p, const LayoutValue& v, const PropertyContext&) {
                      p.SetText(LayoutString(v));
                  })},
                 {u"Alignment", Prop<Panel>([](Panel& p, const LayoutValue& v, const PropertyContext&) {
                      p.SetAlignment(LayoutAlignment(v));
                  })},
             });
    Register(
        u"Label", u"Control", [](Component* owner) -> Control* { return new Label(owner); },
        {
            {u"Caption",
             Prop<Label>([](Label& l, const LayoutValue& v, const PropertyContext&) { l.SetText(LayoutString(v)); })},
            {u"AutoSize",
             Prop<Label>([](Label& l, const LayoutValue& v, const PropertyContext&) { l.SetAutoSize(LayoutBool(v)); })},
            {u"Alignment", Prop<Label>([](Label& l, const LayoutValue& v, const PropertyContext&) {
                 l.SetAlignment(LayoutAlignment(v));
             })},
        });
    Register(u"Image", u"Control", [](Component* owner) -> Control* { return new Image(owner); },
             {
                 {u"Stretch", Prop<Image>([](Image& i, const LayoutValue& v, const PropertyContext&) {
                      i.SetStretch(LayoutBool(v));
                  })},
             });
    const auto borderStyle = [](Edit& e, const LayoutValue& v, const PropertyContext&) {
        e.SetBorderVisible(LayoutEnum<bool>(v, {{u"bsNone", false}, {u"bsSingle", true}}));
    };
    Register(
        u"Edit", u"WinControl", [](Component* owner) -> Control* { return new Edit(owner); },
        {
            {u"Text",
             Prop<Edit>([](Edit& e, const LayoutValue& v, const PropertyContext&) { e.SetText(LayoutString(v)); })},
            {u"MaxLength",
             Prop<Edit>([](Edit& e, const LayoutValue& v, const PropertyContext&) { e.SetMaxLength(LayoutInt(v)); })},
            {u"BorderStyle", Prop<Edit>(borderStyle)},
        });
    Register(u"Memo", u"WinControl", [](Component* owner) -> Control* { return new Memo(owner); },
             {
                 {u"Lines", Prop<Memo>([](Memo& m, const LayoutValue& v, const PropertyContext&) {
                      if (v.kind != K::StringList)
                          throw LayoutValueError{u"expected a list of strings"};
                      m.SetLines(v.items);
                  })},
                 {u"BorderStyle", Prop<Memo>(borderStyle)},
             });
}

namespace {

struct Reader {
    Form& form;
    const std::u16string& source;
    PropertyContext ctx;
    std::set<std::u16string> names;

    [[noreturn]] void Fail(int line, const std::u16string& what) const {
        throw LayoutError(LayoutErrorText(source, line, what));
    }

    void Apply(Control& c, const LayoutObject& obj, const LayoutKinds::Kind& kind) {
        for (const LayoutProperty& p : obj.properties) {
            const auto it = kind.properties.find(p.name);
            if (it == kind.properties.end())
                Fail(p.line, u"unknown property " + p.name + u" of kind " + obj.kind);
            try {
                it->second(c, p.value, ctx);
            } catch (const LayoutValueError& e) {
                Fail(p.line, p.name + u": " + e.what);
            }
        }
        c.Loaded();
    }

    void Build(WinControl& parent, const LayoutObject& obj) {
        const LayoutKinds::Kind* kind = LayoutKinds::Instance().Find(obj.kind);
        if (!kind)
            Fail(obj.line, u"unknown kind " + obj.kind);
        if (!kind->create)
            Fail(obj.line, u"kind " + obj.kind + u" cannot be placed on a form");
        if (!names.insert(obj.name).second || form.FindComponent(obj.name))
            Fail(obj.line, u"component " + obj.name + u" named twice");
        Control* c = kind->create(&form);
        c->BeginLoading();
        c->SetName(obj.name);
        c->SetParent(&parent);
        Apply(*c, obj, *kind);
        if (!obj.children.empty()) {
            auto* w = dynamic_cast<WinControl*>(c);
            if (!w)
                Fail(obj.children.front().line, obj.name + u" (" + obj.kind + u") cannot hold controls");
            for (const LayoutObject& child : obj.children)
                Build(*w, child);
        }
    }
};

}  // namespace

void ReadLayout(Form& form, std::string_view utf8, const std::u16string& source, const EventTable& events, int dpi) {
    const LayoutObject root = ParseLayout(utf8, source);
    Reader r{form, source, PropertyContext{dpi, &events}, {}};
    if (root.kind != u"Form")
        r.Fail(root.line, u"the top object must be a Form, not " + root.kind);
    form.SetName(root.name);
    form.BeginLoading();
    r.names.insert(root.name);
    r.Apply(form, root, *LayoutKinds::Instance().Find(u"Form"));
    for (const LayoutObject& child : root.children)
        r.Build(form, child);
}

void ReadLayoutResource(Form& form, const std::u16string& name, const EventTable& events, int dpi) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(module, W(name), L"LAYOUT");
    HGLOBAL data = res ? LoadResource(module, res) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes)
        throw LayoutError(u"layout " + name + u" is not in the executable");
    ReadLayout(form, std::string_view(static_cast<const char*>(bytes), SizeofResource(module, res)), name, events, dpi);
}

int ScreenPixelsPerInch() {
    WindowDC screen(nullptr);
    return screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 96;
}

}  // namespace launcher
