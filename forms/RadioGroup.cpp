#include "forms/RadioGroup.h"

#include <QAbstractButton>
#include <QEvent>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent) {
    buttons_.setExclusive(true);
    new QVBoxLayout(this);
}

QStringList RadioGroup::items() const {
    QStringList captions;
    for (const auto* button : buttons_.buttons())
        captions << button->text();
    return captions;
}

void RadioGroup::setItems(const QStringList& items) {
    // The form definition may give the index before the items it selects.
    const int index = ItemIndex() >= 0 ? ItemIndex() : designedIndex_;
    qDeleteAll(buttons_.buttons());
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("Item%1").arg(i));
        // The group's hint speaks for every item.
        button->setAccessibleDescription(toolTip());
        buttons_.addButton(button, i);
        layout()->addWidget(button);
    }
    setItemIndex(index);
}

void RadioGroup::setItemIndex(int index) {
    designedIndex_ = index;
    if (auto* button = buttons_.button(index))
        button->setChecked(true);
}

int RadioGroup::ItemIndex() const { return buttons_.checkedId(); }

int RadioGroup::ItemCount() const { return static_cast<int>(buttons_.buttons().size()); }

sorika::Text RadioGroup::Item(int index) const {
    return buttons_.button(index)->text().toStdString();
}

bool RadioGroup::event(QEvent* event) {
    if (event->type() == QEvent::ToolTipChange)
        for (auto* button : buttons_.buttons())
            button->setAccessibleDescription(toolTip());
    return QGroupBox::event(event);
}
