#include "platform/qt/schedule_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <algorithm>
#include <unordered_set>

#include "platform/qt/schedule_table_model.h"
#include "schedule/schedule_columns.h"
#include "schedule/schedule_commands.h"

namespace {

// Initial column widths in average characters; the user may drag them.
constexpr int kColumnChars[kScheduleColumnCount] = {9, 11, 8, 5, 26, 9, 8, 16};

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
    // Fixed row heights: the view then never measures ten thousand rows.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setStretchLastSection(true);
    const int charWidth = QFontMetrics(table_->font()).averageCharWidth();
    for (int column = 0; column < kScheduleColumnCount; ++column) {
        table_->setColumnWidth(column, kColumnChars[column] * charWidth);
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
    resize(80 * charWidth + 40, 420);

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
    model_->SetRows(rows);
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
    if (!table_->currentIndex().isValid() && model_->rowCount() > 0) {
        table_->setCurrentIndex(model_->index(0, 0));
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
