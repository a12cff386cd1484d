#include "platform/ui/list_clicks.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace platform::ui::detail {

namespace {

// A click runs when the selection changes (by the mouse or the keyboard) and when the user clicks
// the entry that is selected already; a double click runs after the click of its first press.
class ListClickWatcher : public QObject
{
public:
    ListClickWatcher(QListWidget* list, ListClickHandlers handlers)
        : QObject(list), m_list(list), m_handlers(std::move(handlers))
    {
        list->viewport()->installEventFilter(this);
        QObject::connect(list, &QListWidget::itemSelectionChanged, this, [this] { selectionChanged(); });
        QObject::connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem*) { clicked(); });
        QObject::connect(list, &QListWidget::itemDoubleClicked, this,
                         [this](QListWidgetItem*) { doubleClicked(); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressChangedSelection = false;
            m_afterDoubleClick = false;
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            m_pressChangedSelection = false;
            m_afterDoubleClick = true;
        }
        return false;
    }

private:
    bool fromCode() const { return m_handlers.settingFromCode && m_handlers.settingFromCode(); }

    void selectionChanged()
    {
        if (fromCode()) {
            return;
        }
        m_pressChangedSelection = true;
        if (selectedRow(m_list) >= 0 && m_handlers.click) {
            m_handlers.click();
        }
    }

    void clicked()
    {
        // The press already reported a click when it moved the selection; the release after a
        // double click is no new click.
        const bool already = m_pressChangedSelection || m_afterDoubleClick;
        m_pressChangedSelection = false;
        m_afterDoubleClick = false;
        if (!already && !fromCode() && selectedRow(m_list) >= 0 && m_handlers.click) {
            m_handlers.click();
        }
    }

    void doubleClicked()
    {
        if (!fromCode() && selectedRow(m_list) >= 0 && m_handlers.doubleClick) {
            m_handlers.doubleClick();
        }
    }

    QListWidget* m_list;
    ListClickHandlers m_handlers;
    bool m_pressChangedSelection = false;
    bool m_afterDoubleClick = false;
};

} // namespace

void wireListClicks(QListWidget* list, ListClickHandlers handlers)
{
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    new ListClickWatcher(list, std::move(handlers));
}

void selectRow(QListWidget* list, int row)
{
    if (row < 0 || row >= list->count()) {
        list->clearSelection();
        list->setCurrentItem(nullptr);
        return;
    }
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    list->scrollToItem(list->item(row));
}

int selectedRow(const QListWidget* list)
{
    const auto selected = list->selectedItems();
    if (selected.isEmpty()) {
        return -1;
    }
    return list->row(selected.first());
}

} // namespace platform::ui::detail
