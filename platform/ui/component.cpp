#include "platform/ui/component.h"

#include <algorithm>

namespace launcher {

Component::Component(Component* owner) : owner_(owner) {
    if (owner_)
        owner_->components_.push_back(this);
}

Component::~Component() {
    // Owned components go first, newest first, while this one is still whole.
    while (!components_.empty()) {
        Component* last = components_.back();
        delete last;  // its destructor removes it from components_
    }
    if (owner_) {
        auto& siblings = owner_->components_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

Component* Component::FindComponent(std::u16string_view name) const {
    for (Component* c : components_) {
        if (c->name_ == name)
            return c;
    }
    return nullptr;
}

}  // namespace launcher
