#include "platform/qt/schedule_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <algorithm>
#include <unordered_set>

#include "platform/qt/schedule_table_model.h"
#include "schedule/schedule_columns.h"
#include "schedule/schedule_commands.h"

namespace {

// The widest text each column usually holds, for its initial width; the user may drag them.
const char* const kColumnSamples[kScheduleColumnCount] = {
    "99999.99", "0000-2400", "Mo-Fr,Sa",           "ROU", "Radio Nacional da Amazonia",
    "Language", "Target",    "weekdays, irregular"};

int ColumnWidth(const QFontMetrics& metrics, int column) {
    const int text =
        std::max(metrics.horizontalAdvance(QString::fromUtf8(kColumnSamples[column])),
                 metrics.horizontalAdvance(QString::fromStdString(ScheduleColumnTitle(column))));
    return text + 3 * metrics.averageCharWidth();
}

}  // namespace

ScheduleWindow::ScheduleWindow(ScheduleCommands& commands, QWidget* parent)
    : QWidget(parent, Qt::Window), commands_(commands) {
    setWindowTitle(tr("ZORIVAN  Schedule"));

    auto* filterLabel = new QLabel(tr("&Filter:"), this);
    filter_ = new QLineEdit(this);
    filter_->setPlaceholderText(tr("station, language, target or country"));
    filter_->setClearButtonEnabled(true);
    filterLabel->setBuddy(filter_);
    near_ = new QCheckBox(tr("&Near tuned frequency"), this);
    auto* open = new QPushButton(tr("&Open file..."), this);

    model_ = new ScheduleTableModel(this);
    table_ = new QTableView(this);
    // The table has no caption of its own.
    table_->setAccessibleName(tr("Broadcasts on air now"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    // Fixed row heights, one line each: the view then never measures ten thousand rows.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    const QFontMetrics metrics(table_->font());
    int tableWidth = 0;
    for (int column = 0; column < kScheduleColumnCount; ++column) {
        const int width = ColumnWidth(metrics, column);
        table_->setColumnWidth(column, width);
        tableWidth += width;
    }

    status_ = new QLabel(this);
    status_->setTextFormat(Qt::PlainText);
    auto* add = new QPushButton(tr("&Add to stations"), this);
    auto* close = new QPushButton(tr("Close"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(filterLabel);
    top->addWidget(filter_, 1);
    top->addWidget(near_);
    top->addWidget(open);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(add);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addLayout(bottom);
    resize(tableWidth + 40, 420);

    connect(filter_, &QLineEdit::textChanged, this,
            [this](const QString& text) { commands_.OnFilterText(text.toStdString()); });
    connect(near_, &QCheckBox::toggled, this, [this](bool on) { commands_.OnNearTuned(on); });
    connect(open, &QPushButton::clicked, this, [this] { commands_.OnOpenFile(); });
    connect(add, &QPushButton::clicked, this, [this] { commands_.OnAddSelected(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { commands_.OnTuneRow(index.row()); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    table_->installEventFilter(this);
    filter_->installEventFilter(this);
}

void ScheduleWindow::Present() {
    show();
    raise();
    activateWindow();
    EnterList();
}

void ScheduleWindow::ShowRows(const std::vector<const ScheduleEntry*>& rows) {
    // The entries are only compared here, never read: the old ones may be gone already.
    std::unordered_set<const ScheduleEntry*> selected;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
        selected.insert(model_->EntryAt(index.row()));
    }
    const ScheduleEntry* current = model_->EntryAt(table_->currentIndex().row());
    // The list is worked out again each minute; the place the user scrolled to stays.
    const int scrolled = table_->verticalScrollBar()->value();
    model_->SetRows(rows);
    table_->verticalScrollBar()->setValue(scrolled);
    QItemSelection selection;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const ScheduleEntry* entry = rows[static_cast<std::size_t>(row)];
        if (entry == current) {
            table_->selectionModel()->setCurrentIndex(model_->index(row, 0),
                                                      QItemSelectionModel::NoUpdate);
        }
        if (selected.count(entry) != 0) {
            selection.select(model_->index(row, 0), model_->index(row, kScheduleColumnCount - 1));
        }
    }
    table_->selectionModel()->select(selection, QItemSelectionModel::Select);
}

void ScheduleWindow::ShowStatus(const std::string& text) {
    status_->setText(QString::fromStdString(text));
}

std::vector<int> ScheduleWindow::SelectedRows() {
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ScheduleWindow::TuneCurrentRow() {
    const QModelIndex current = table_->currentIndex();
    if (current.isValid()) commands_.OnTuneRow(current.row());
}

void ScheduleWindow::EnterList() {
    table_->setFocus(Qt::OtherFocusReason);
    // A view taking the focus makes its first row current without selecting it; "Add to
    // stations" works on the selection, so the row the user arrives at is selected too.
    QModelIndex current = table_->currentIndex();
    if (!current.isValid()) current = model_->index(0, 0);
    if (current.isValid() && !table_->selectionModel()->hasSelection()) {
        table_->selectionModel()->setCurrentIndex(
            current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

bool ScheduleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == table_ && enter) {
        TuneCurrentRow();
        return true;
    }
    if (watched == table_ && key == Qt::Key_Insert) {
        commands_.OnAddSelected();
        return true;
    }
    if (watched == filter_ && (enter || key == Qt::Key_Down)) {
        EnterList();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
