#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

#include "core/Targets.h"

// A framed group of radio buttons in one column, one for each item, exactly one of them
// checked. The window's target list is one; it offers the operations its selection and
// captions.
class RadioGroup : public QGroupBox, public sorika::TargetList {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int itemIndex READ ItemIndex WRITE setItemIndex)

public:
    explicit RadioGroup(QWidget* parent = nullptr);

    QStringList items() const;
    void setItems(const QStringList& items);
    void setItemIndex(int index);

    int ItemIndex() const override;
    int ItemCount() const override;
    sorika::Text Item(int index) const override;

protected:
    bool event(QEvent* event) override;

private:
    QButtonGroup buttons_;
    int designedIndex_ = -1;
};
