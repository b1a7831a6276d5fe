#include "ui/vcl/drop_down_list.h"

namespace almanix {

DropDownList::DropDownList(const QStringList& Items, QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    addItems(Items);
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, &DropDownList::changed);
}

void DropDownList::SetItemIndex(int Index) {
    setCurrentIndex(Index >= 0 && Index < count() ? Index : -1);
}

}  // namespace almanix
