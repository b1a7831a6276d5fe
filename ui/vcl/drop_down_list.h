// A drop-down list with a fixed set of item texts and a selected index (-1 for none).
// Selecting from code (SetItemIndex) raises nothing; only a choice by the user raises
// changed(), as QComboBox::activated does.
#pragma once

#include <QComboBox>
#include <QStringList>

namespace almanix {

class DropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownList(const QStringList& Items, QWidget* parent = nullptr);

    int ItemIndex() const { return currentIndex(); }
    // Selects item Index (-1 or out of range clears the selection) without raising changed().
    void SetItemIndex(int Index);
    // The selected item's text; "" when none is selected.
    QString Text() const { return currentText(); }

signals:
    void changed();
};

}  // namespace almanix
