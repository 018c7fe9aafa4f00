#include "Component.h"

#include <algorithm>

namespace zanfo {

TComponent::TComponent(TComponent* owner) : owner_(owner)
{
    if (owner_) owner_->owned_.push_back(this);
}

TComponent::~TComponent()
{
    // Children detach themselves from owned_ as they go, so take the list first.
    std::vector<TComponent*> owned;
    owned.swap(owned_);
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
        (*it)->owner_ = nullptr;
        delete *it;
    }
    if (owner_) {
        auto& siblings = owner_->owned_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

}  // namespace zanfo
