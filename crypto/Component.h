#pragma once
#include <vector>

namespace zanfo {

// A minimal component base: an owner frees the components it owns.
class TComponent {
public:
    // Creates the component; a non-null owner takes ownership of it.
    explicit TComponent(TComponent* owner);
    // Frees every owned component, then detaches from the owner.
    virtual ~TComponent();

    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // The component that frees this one, or nullptr.
    TComponent* Owner() const { return owner_; }

private:
    TComponent* owner_;
    std::vector<TComponent*> owned_;
};

}  // namespace zanfo
