// Components: named objects owned by another component, destroyed with it.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace launcher {

class Component {
public:
    explicit Component(Component* owner);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::u16string& Name() const { return name_; }
    void SetName(std::u16string name) { name_ = std::move(name); }
    Component* Owner() const { return owner_; }
    // The components this one owns, in creation order.
    const std::vector<Component*>& Components() const { return components_; }
    // An owned component by name (exact match), or null.
    Component* FindComponent(std::u16string_view name) const;

private:
    Component* owner_;
    std::u16string name_;
    std::vector<Component*> components_;
};

}  // namespace launcher
