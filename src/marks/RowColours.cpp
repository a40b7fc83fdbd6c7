#include "marks/RowColours.h"

#include "marks/Marks.h"

namespace dk {

CellLook RowCellLook(const ShownList& shown, std::size_t row, int column) {
    CellLook look;
    if (column != 0)
        look.Text = rowcolour::Black;
    const ListNode* entry = shown.EntryAt(row); // none for ".." and beyond the entries
    if (!entry)
        return look;
    const ListRecord& record = *entry->Record;
    if (record.Mark() == mark::Needed)
        look.Background = rowcolour::NeededBackground;
    else if (record.Mark() == mark::NotNeeded)
        look.Background = rowcolour::NotNeededBackground;
    if (column == 0) {
        look.StrikeOut = record.StrikeOut() != 0;
        look.Text = record.IsDamaged() || look.StrikeOut ? rowcolour::Red : rowcolour::Black;
    }
    return look;
}

} // namespace dk
