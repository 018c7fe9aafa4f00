#include "SkinData.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>
#include <optional>

namespace zanfo {
namespace {

const char kSkinned[] = "skinned";

// The kind of control a widget is, in the skin's terms.
std::optional<TSkinControl> KindOf(const QWidget* w)
{
    if (qobject_cast<const QLineEdit*>(w)) return TSkinControl::xcEdit;
    if (auto* b = qobject_cast<const QPushButton*>(w))
        return b->icon().isNull() ? TSkinControl::xcButton : TSkinControl::xcBitBtn;
    if (qobject_cast<const QTabWidget*>(w)) return TSkinControl::xcTab;
    return std::nullopt;
}

}  // namespace

void TSkinData::Apply(QWidget* form) const
{
    if (!Active) return;
    const auto mark = [&](QWidget* w) {
        const QVariant tag = w->property("tag");
        if (tag.isValid() && tag.toInt() == DisableTag) return;
        w->setProperty(kSkinned, true);
    };
    mark(form);
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const auto kind = KindOf(w);
        if (kind && SkinControls.contains(*kind)) mark(w);
    }
    form->setStyleSheet(QString::fromUtf8(SkinStream));
}

bool TSkinData::IsSkinned(const QWidget* widget) { return widget->property(kSkinned).toBool(); }

}  // namespace zanfo
