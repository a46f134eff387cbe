#include "SweepDialog.h"
#include "ProposedName.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <memory>

#include "CloseKeys.h"
#include "GothicFonts.h"
#include "QtText.h"
#include "ReplacingFile.h"
#include "WindowText.h"
#include "report/SweepCsv.h"

namespace tidewell::window {
namespace {

constexpr int kCurrentRole = SweepDialog::kCurrentRole;

QStringList ToQStrings(const std::vector<std::string>& texts) {
    QStringList all;
    for (const std::string& text : texts)
        all << ToQString(text);
    return all;
}

// Draws a cell as usual but without the focus frame of the cell last clicked,
// then a frame inside the cell of the current combination: the one highlight.
class OutlineDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected);
        QStyledItemDelegate::paint(painter, plain, index);
        if (!index.data(kCurrentRole).toBool())
            return;
        painter->save();
        painter->setPen(QPen(Qt::black, 3));
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }
};

QTableWidgetItem* ItemOf(const model::SweepCell& cell) {
    auto* item = new QTableWidgetItem(ModelText(cell.Text));
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled);
    if (cell.Background) {
        const model::Color c = *cell.Background;
        item->setBackground(QColor(model::RedOf(c), model::GreenOf(c), model::BlueOf(c)));
        const model::Color ink = cell.Ink;
        item->setForeground(QColor(model::RedOf(ink), model::GreenOf(ink), model::BlueOf(ink)));
    }
    item->setData(kCurrentRole, cell.Current);
    return item;
}

}  // namespace

SweepDialog::SweepDialog(const CaseRecord& base, engine::SweepCombination current,
                         MessageSink& messages, QWidget* parent, unsigned threads)
    : QDialog(parent), Sweep(base, current), Messages(messages) {
    UseGothicSubstitutes();
    setObjectName(QStringLiteral("SweepDialog"));
    setWindowTitle(QCoreApplication::translate("SweepDialog", "感度分析"));
    setFont(FontFor(ControlFont::Window));
    setModal(false);

    HeldList = new QComboBox(this);
    HeldList->setObjectName(QStringLiteral("HeldList"));
    for (MultiplierList list : kMultiplierLists)
        HeldList->addItem(ModelText(ListCaption(list)), static_cast<int>(list));
    HeldEntry = new QComboBox(this);
    HeldEntry->setObjectName(QStringLiteral("HeldEntry"));
    Coloring = new QComboBox(this);
    Coloring->setObjectName(QStringLiteral("SweepColoring"));
    Coloring->addItem(QCoreApplication::translate("SweepDialog", "凡例と同じ（2 ℃ごと）"),
                      static_cast<int>(model::SweepColoring::WindowScale));
    Coloring->addItem(QCoreApplication::translate("SweepDialog", "表の最低～最高"),
                      static_cast<int>(model::SweepColoring::TableRange));
    ColorRange = new QLabel(this);
    ColorRange->setObjectName(QStringLiteral("SweepColorRange"));
    Caption = new QLabel(this);
    Caption->setObjectName(QStringLiteral("SweepCaption"));
    Grid = new QTableWidget(this);
    Grid->setObjectName(QStringLiteral("SweepGrid"));
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setItemDelegate(new OutlineDelegate(Grid));
    // Clicks select nothing and embolden no header: the outline of the
    // current combination is the only highlight.
    Grid->setSelectionMode(QAbstractItemView::NoSelection);
    Grid->horizontalHeader()->setHighlightSections(false);
    Grid->verticalHeader()->setHighlightSections(false);
    Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("SweepProgress"));
    CancelButton = new QPushButton(QCoreApplication::translate("SweepDialog", "中止"), this);
    CancelButton->setObjectName(QStringLiteral("CancelSweep"));
    SaveButton = new QPushButton(QCoreApplication::translate("SweepDialog", "CSVで保存…"), this);
    SaveButton->setObjectName(QStringLiteral("SaveCsv"));
    auto* closeButton = new QPushButton(QCoreApplication::translate("SweepDialog", "閉じる"), this);
    closeButton->setObjectName(QStringLiteral("CloseSweep"));

    auto* held = new QHBoxLayout;
    held->addWidget(new QLabel(QCoreApplication::translate("SweepDialog", "固定する条件"), this));
    held->addWidget(HeldList);
    held->addWidget(new QLabel(QCoreApplication::translate("SweepDialog", "倍率"), this));
    held->addWidget(HeldEntry);
    held->addSpacing(16);
    held->addWidget(new QLabel(QCoreApplication::translate("SweepDialog", "色分け"), this));
    held->addWidget(Coloring);
    held->addWidget(ColorRange);
    held->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Progress, 1);
    buttons->addWidget(CancelButton);
    buttons->addWidget(SaveButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(held);
    layout->addWidget(Caption);
    layout->addWidget(Grid, 1);
    layout->addLayout(buttons);

    HeldList->setCurrentIndex(static_cast<int>(MultiplierList::InflowTempFactor));
    HeldListChosen();
    connect(HeldList, &QComboBox::currentIndexChanged, this, &SweepDialog::HeldListChosen);
    connect(HeldEntry, &QComboBox::currentIndexChanged, this, &SweepDialog::ShowSlice);
    connect(Coloring, &QComboBox::currentIndexChanged, this, &SweepDialog::ShowSlice);
    connect(Grid, &QTableWidget::cellDoubleClicked, this, &SweepDialog::CellPicked);
    connect(CancelButton, &QPushButton::clicked, this, &SweepDialog::Cancel);
    connect(SaveButton, &QPushButton::clicked, this, &SweepDialog::AskAndSaveCsv);
    connect(closeButton, &QPushButton::clicked, this, &SweepDialog::reject);

    CloseKeys(*this);
    resize(760, 420);
    Start(threads);
}

void SweepDialog::Start(unsigned threads) {
    Running = true;
    Progress->setRange(0, static_cast<int>(Sweep.Combinations().size()));
    Progress->setValue(0);
    SaveButton->setEnabled(false);
    // The worker owns its copy of the cases; it reaches the dialog only
    // through queued calls, which run on the dialog's thread.
    Job.Start([this, cases = Sweep.Cases(), threads](std::stop_token stop) {
        const engine::BatchProgress progress = [this, &stop](std::size_t done, std::size_t total) {
            Job.Post([this, done, total] { ShowProgress(done, total); });
            return !stop.stop_requested();
        };
        auto outcomes = std::make_shared<std::vector<engine::BatchOutcome>>(
            engine::RunBatch(cases, progress, threads));
        Job.Post([this, outcomes] { Finish(std::move(*outcomes)); });
    });
}

void SweepDialog::Cancel() {
    Job.Cancel();
    CancelButton->setEnabled(false);
}

void SweepDialog::done(int result) {
    Cancel();
    QDialog::done(result);
}

void SweepDialog::ShowProgress(std::size_t done, std::size_t total) {
    Progress->setRange(0, static_cast<int>(total));
    Progress->setValue(static_cast<int>(done));
}

void SweepDialog::Finish(std::vector<engine::BatchOutcome> outcomes) {
    Running = false;
    Sweep.SetOutcomes(std::move(outcomes));
    Progress->setVisible(false);
    CancelButton->setVisible(false);
    SaveButton->setEnabled(Sweep.HasOutcomes());
    ShowSlice();
}

void SweepDialog::HeldListChosen() {
    const auto held = static_cast<MultiplierList>(HeldList->currentData().toInt());
    const QSignalBlocker quiet(HeldEntry);
    HeldEntry->clear();
    for (std::string_view entry : ListEntries(held))
        HeldEntry->addItem(ToQString(entry));
    HeldEntry->setCurrentIndex(Sweep.Current().Entry(held));
    ShowSlice();
}

void SweepDialog::FollowLists(const engine::SweepCombination& current) {
    if (current == Sweep.Current())
        return;
    Sweep.SetCurrent(current);
    ShowSlice();
}

void SweepDialog::ShowSlice() {
    const auto held = static_cast<MultiplierList>(HeldList->currentData().toInt());
    Shown = Sweep.Slice(held, HeldEntry->currentIndex(),
                        static_cast<model::SweepColoring>(Coloring->currentData().toInt()));
    Caption->setText(
        QCoreApplication::translate("SweepDialog",
                                    "湾内平均水温(℃)　縦：%1の倍率　横：%2の倍率　（%3 ×%4）")
            .arg(ModelText(ListCaption(Shown.Rows)), ModelText(ListCaption(Shown.Columns)),
                 ModelText(ListCaption(Shown.Held)),
                 ToQString(ListEntries(Shown.Held)[static_cast<std::size_t>(Shown.HeldEntry)])));
    Grid->setRowCount(static_cast<int>(Shown.RowHeaders.size()));
    Grid->setColumnCount(static_cast<int>(Shown.ColumnHeaders.size()));
    Grid->setVerticalHeaderLabels(ToQStrings(Shown.RowHeaders));
    Grid->setHorizontalHeaderLabels(ToQStrings(Shown.ColumnHeaders));
    for (std::size_t r = 0; r < Shown.Cells.size(); ++r) {
        for (std::size_t c = 0; c < Shown.Cells[r].size(); ++c)
            Grid->setItem(static_cast<int>(r), static_cast<int>(c), ItemOf(Shown.Cells[r][c]));
    }
    Grid->clearSelection();
    Grid->setCurrentIndex({});
    const bool spread = Shown.Coloring == model::SweepColoring::TableRange;
    ColorRange->setText(spread && !Shown.Lowest.empty()
                            ? QCoreApplication::translate("SweepDialog", "白 %1 ℃ ～ 赤 %2 ℃")
                                  .arg(ToQString(Shown.Lowest), ToQString(Shown.Highest))
                            : QString());
}

void SweepDialog::CellPicked(int row, int column) {
    if (!PicksAllowed || row < 0 || column < 0 ||
        static_cast<std::size_t>(row) >= Shown.Cells.size())
        return;
    const auto& cells = Shown.Cells[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= cells.size())
        return;
    const engine::SweepCombination picked = cells[static_cast<std::size_t>(column)].Combination;
    Sweep.SetCurrent(picked);
    ShowSlice();
    if (OnPick)
        OnPick(picked);
}

bool SweepDialog::SaveCsv(const QString& path) {
    if (!Sweep.HasOutcomes()) {
        Messages.Show({MessageId::SweepNotFinished, {}});
        return false;
    }
    const std::string csv = report::SweepCsv(Sweep.Combinations(), Sweep.AllOutcomes());
    const std::optional<Message> failure = WriteReplacing(path, csv);
    if (failure) {
        Messages.Show({MessageId::SweepCsvFailed, {path.toStdString(), *failure}});
    }
    return !failure;
}

void SweepDialog::AskAndSaveCsv() {
    const QString path = AskSavePath(*this, QCoreApplication::translate("SweepDialog", "CSVで保存"),
                                     session::SavedOutput::SweepCsv);
    if (!path.isEmpty())
        SaveCsv(path);
}

}  // namespace tidewell::window
