#include "kit/qt/reportlist.h"

#include "kit/qt/convert.h"
#include "kit/qt/rowmodel.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyledItemDelegate>

namespace vantrel::qt {

namespace {

// The selection shows only while the list has the focus.
class FocusSelection : public QStyledItemDelegate {
  public:
    explicit FocusSelection(QAbstractItemView* view) : QStyledItemDelegate(view), view_(view) {}

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!view_->hasFocus()) {
            option->state &= ~QStyle::State_Selected;
        }
        option->state &= ~QStyle::State_HasFocus;
    }

  private:
    QAbstractItemView* view_;
};

bool isinput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

ReportList::ReportList(const ui::Control& control, QWidget* parent) : QTableView(parent) {
    QStringList titles;
    for (const ui::Column& column : control.columns) {
        titles << fromdefinition(column.title);
    }
    model_ = new RowModel(titles, this);
    setModel(model_);
    setItemDelegate(new FocusSelection(this));

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setFont(definitionfont(control.font));

    verticalHeader()->hide();
    // Fixed row heights let a view of 100,000 rows lay out without measuring any of them.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < static_cast<int>(control.columns.size()); ++column) {
        setColumnWidth(column, control.columns[static_cast<std::size_t>(column)].width);
    }

    QPalette colours = palette();
    colours.setColor(QPalette::Base, colour(control.background.value_or(ui::white)));
    colours.setColor(QPalette::Text, colour(control.foreground.value_or(ui::black)));
    setPalette(colours);
}

int ReportList::selectedrow() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        return -1;
    }
    int first = selected.first().row();
    for (const QModelIndex& index : selected) {
        first = std::min(first, index.row());
    }
    return first;
}

int ReportList::currentrow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

// The view moves the current row before it updates the selection on a mouse press, so the
// change is raised only once the whole input event has been handled and the row it made
// current is also the selected one.
template <typename Base> bool ReportList::watch(QEvent* event, Base base) {
    if (!isinput(event->type())) {
        return base(event);
    }
    const int before = currentrow();
    const bool handled = base(event);
    if (currentrow() != before && currentrow() != -1 && oncurrentchanged) {
        oncurrentchanged();
    }
    return handled;
}

bool ReportList::event(QEvent* event) {
    return watch(event, [this](QEvent* e) { return QTableView::event(e); });
}

bool ReportList::viewportEvent(QEvent* event) {
    return watch(event, [this](QEvent* e) { return QTableView::viewportEvent(e); });
}

// Taking the focus makes no row current: the system's list waits for the operator's first
// click or arrow key.
void ReportList::focusInEvent(QFocusEvent* event) {
    const bool hadcurrent = currentIndex().isValid();
    QTableView::focusInEvent(event);
    if (!hadcurrent && currentIndex().isValid()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    viewport()->update();
}

void ReportList::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    viewport()->update();
}

} // namespace vantrel::qt
