#include "forms/RadioGroup.h"

#include <QAbstractButton>
#include <QEvent>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent) {
    buttons_.setExclusive(true);
    new QVBoxLayout(this);
    // Tab reaches the list once, at its checked item; the arrow keys move among the items.
    connect(&buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        buttons_.button(id)->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
    });
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
    // The items take the group's place in the window's tab order; Qt orders only widgets
    // that take the focus.
    setFocusPolicy(Qt::TabFocus);
    QWidget* previous = this;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("Item%1").arg(i));
        button->setFocusPolicy(Qt::ClickFocus);
        setTabOrder(previous, button);
        previous = button;
        // The group's hint speaks for every item.
        button->setAccessibleDescription(toolTip());
        buttons_.addButton(button, i);
        layout()->addWidget(button);
    }
    setFocusPolicy(Qt::NoFocus);
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
