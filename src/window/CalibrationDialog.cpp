#include "CalibrationDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "GothicFonts.h"
#include "QtText.h"
#include "WindowText.h"

namespace tidewell::window {
namespace {

// To a thousandth of a degree; an error that rounds to nothing shows no sign.
QString Degrees(double value) {
    return QString::number(std::fabs(value) < 0.0005 ? 0.0 : value, 'f', 3);
}

void SetCell(QTableWidget& table, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    table.setItem(row, column, item);
}

constexpr int kBiasRow = engine::kBayCellCount + 1;

}  // namespace

CalibrationDialog::CalibrationDialog(session::TypedInputs current, QWidget* parent)
    : QDialog(parent), Current(std::move(current)) {
    UseGothicSubstitutes();
    setObjectName(QStringLiteral("CalibrationDialog"));
    setWindowTitle(QCoreApplication::translate("CalibrationDialog", "逆算"));
    setFont(FontFor(ControlFont::Window));
    setModal(false);

    Input = new QComboBox(this);
    Input->setObjectName(QStringLiteral("CalibratedInput"));
    for (const session::CalibratedInput input : session::CalibratedInputs())
        Input->addItem(ModelText(session::CaptionOf(input)),
                       QString::fromLatin1(session::NameOf(input)));
    ByMean = new QRadioButton(
        QCoreApplication::translate("CalibrationDialog", "目標の湾内平均水温(℃)"), this);
    ByMean->setObjectName(QStringLiteral("ByMean"));
    ByMean->setChecked(true);
    ByCells = new QRadioButton(
        QCoreApplication::translate("CalibrationDialog", "観測水温(℃、空欄は未観測)"), this);
    ByCells->setObjectName(QStringLiteral("ByCells"));
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(ByMean);
    kinds->addButton(ByCells);
    MeanText = new QLineEdit(this);
    MeanText->setObjectName(QStringLiteral("TargetMean"));

    auto* target = new QGridLayout;
    target->addWidget(
        new QLabel(QCoreApplication::translate("CalibrationDialog", "求める入力"), this), 0, 0);
    target->addWidget(Input, 0, 1, 1, engine::kBayCellCount);
    target->addWidget(ByMean, 1, 0);
    target->addWidget(MeanText, 1, 1);
    target->addWidget(ByCells, 2, 0);
    for (int k = 0; k < engine::kBayCellCount; ++k) {
        auto* cell = new QLineEdit(this);
        cell->setObjectName(QStringLiteral("Observed%1").arg(k + 1));
        cell->setPlaceholderText(
            QCoreApplication::translate("CalibrationDialog", "セル%1").arg(k + 1));
        CellTexts[static_cast<std::size_t>(k)] = cell;
        target->addWidget(cell, 2, k + 1);
    }

    Outcome = new QLabel(this);
    Outcome->setObjectName(QStringLiteral("CalibrationOutcome"));
    Outcome->setWordWrap(true);
    Outcome->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StaleNote = new QLabel(QCoreApplication::translate(
                               "CalibrationDialog", "逆算の後にメイン画面の条件が変わりました。"),
                           this);
    StaleNote->setObjectName(QStringLiteral("CalibrationStale"));
    StaleNote->setStyleSheet(QStringLiteral("color: #b00000"));
    StaleNote->hide();

    Table = new QTableWidget(engine::kBayCellCount + 3, 3, this);
    Table->setObjectName(QStringLiteral("FitTable"));
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionMode(QAbstractItemView::NoSelection);
    Table->setFocusPolicy(Qt::NoFocus);
    Table->setHorizontalHeaderLabels({QCoreApplication::translate("CalibrationDialog", "観測値"),
                                      QCoreApplication::translate("CalibrationDialog", "計算値"),
                                      QCoreApplication::translate("CalibrationDialog", "誤差")});
    QStringList rows;
    for (int k = 1; k <= engine::kBayCellCount; ++k)
        rows << QCoreApplication::translate("CalibrationDialog", "セル%1").arg(k);
    rows << QCoreApplication::translate("CalibrationDialog", "湾内平均")
         << QCoreApplication::translate("CalibrationDialog", "バイアス")
         << QCoreApplication::translate("CalibrationDialog", "RMS");
    Table->setVerticalHeaderLabels(rows);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("CalibrationProgress"));
    Progress->setRange(0, session::kMostRuns);
    Progress->hide();
    SolveButton = new QPushButton(QCoreApplication::translate("CalibrationDialog", "計算"), this);
    SolveButton->setObjectName(QStringLiteral("Solve"));
    SolveButton->setDefault(true);  // Enter in a target field solves
    CancelButton = new QPushButton(QCoreApplication::translate("CalibrationDialog", "中止"), this);
    CancelButton->setObjectName(QStringLiteral("CancelSolve"));
    CancelButton->setEnabled(false);
    ApplyButton = new QPushButton(QCoreApplication::translate("CalibrationDialog", "適用"), this);
    ApplyButton->setObjectName(QStringLiteral("ApplyCalibration"));
    ApplyButton->setEnabled(false);
    auto* closeButton =
        new QPushButton(QCoreApplication::translate("CalibrationDialog", "閉じる"), this);
    closeButton->setObjectName(QStringLiteral("CloseCalibration"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Progress, 1);
    buttons->addStretch(0);
    for (QPushButton* button : {SolveButton, CancelButton, ApplyButton, closeButton})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(target);
    layout->addWidget(Outcome);
    layout->addWidget(StaleNote);
    layout->addWidget(Table, 1);
    layout->addLayout(buttons);

    connect(ByMean, &QRadioButton::toggled, this, &CalibrationDialog::ShowTargetKind);
    connect(SolveButton, &QPushButton::clicked, this, &CalibrationDialog::Solve);
    connect(CancelButton, &QPushButton::clicked, this, &CalibrationDialog::Cancel);
    connect(ApplyButton, &QPushButton::clicked, this, &CalibrationDialog::Apply);
    connect(closeButton, &QPushButton::clicked, this, &CalibrationDialog::reject);
    ShowTargetKind();
    resize(640, 480);
}

void CalibrationDialog::ShowCase(const session::TypedInputs& current) {
    Current = current;
    const bool stale =
        Solved && (Current.Texts != Asked.Case.Texts || Current.Picks != Asked.Case.Picks);
    if (stale == Stale)
        return;
    Stale = stale;
    StaleNote->setVisible(Stale);
    ApplyButton->setEnabled(!Running && !Stale && Solved &&
                            session::ApplyingStep(Asked.Input, *Solved));
}

void CalibrationDialog::ShowTargetKind() {
    MeanText->setEnabled(!Running && ByMean->isChecked());
    for (QLineEdit* cell : CellTexts)
        cell->setEnabled(!Running && ByCells->isChecked());
}

void CalibrationDialog::AllowEditing(bool allowed) {
    for (QWidget* control : std::initializer_list<QWidget*>{Input, ByMean, ByCells, SolveButton})
        control->setEnabled(allowed);
    ShowTargetKind();
}

void CalibrationDialog::Solve() {
    std::array<std::string, engine::kBayCellCount> cells;
    for (std::size_t k = 0; k < cells.size(); ++k)
        cells[k] = CellTexts[k]->text().toStdString();
    const session::TargetReading read =
        session::ReadTarget(ByCells->isChecked(), MeanText->text().toStdString(), cells);
    Solved.reset();
    Stale = false;
    StaleNote->hide();
    ApplyButton->setEnabled(false);
    Table->clearContents();
    if (!read.Target) {
        ShowRefusal(*read.Refusal);
        return;
    }
    Asked = {Current, *session::CalibratedInputNamed(Input->currentData().toString().toStdString()),
             *read.Target};
    Running = true;
    AllowEditing(false);
    CancelButton->setEnabled(true);
    Progress->setValue(0);
    Progress->show();
    Outcome->setText(QCoreApplication::translate("CalibrationDialog", "計算中…"));
    // The worker owns its copy of the request; it reaches the dialog only
    // through queued calls, which run on the dialog's thread.
    Job.Start([this, request = Asked](std::stop_token stop) {
        const session::CalibrationProgress progress = [this, &stop](int runs) {
            Job.Post([this, runs] { Progress->setValue(runs); });
            return !stop.stop_requested();
        };
        auto result = std::make_shared<session::Calibration>(session::Calibrate(request, progress));
        Job.Post([this, result] { Finish(*result); });
    });
}

void CalibrationDialog::Cancel() {
    Job.Cancel();
    CancelButton->setEnabled(false);
}

void CalibrationDialog::done(int result) {
    Cancel();
    QDialog::done(result);
}

void CalibrationDialog::Finish(session::Calibration result) {
    Running = false;
    Progress->hide();
    CancelButton->setEnabled(false);
    AllowEditing(true);
    if (result.Status == session::CalibrationStatus::Stopped) {
        Outcome->setText(QCoreApplication::translate("CalibrationDialog", "逆算を中止しました。"));
        return;
    }
    if (result.Problem) {
        ShowRefusal(*result.Problem);
        return;
    }
    Solved = std::move(result);
    ShowAnswer();
    ShowCase(Current);  // the window's case may have changed meanwhile
    ApplyButton->setEnabled(!Stale && session::ApplyingStep(Asked.Input, *Solved));
}

void CalibrationDialog::ShowRefusal(const Message& why) {
    const ShownMessage shown = MessageText(why);
    Outcome->setText(shown.Title + QStringLiteral("\n") + shown.Prompt);
}

void CalibrationDialog::ShowAnswer() {
    const session::Calibration& answer = *Solved;
    QString text = QCoreApplication::translate("CalibrationDialog", "%1 = %2（計算 %3 回）")
                       .arg(ModelText(session::CaptionOf(Asked.Input)),
                            QString::number(answer.Value, 'g', 8), QString::number(answer.Runs));
    if (std::holds_alternative<BasicInput>(Asked.Input))
        text += QStringLiteral("\n") +
                QCoreApplication::translate("CalibrationDialog", "入力する値：%1")
                    .arg(ToQString(answer.Text));
    else if (answer.Nearest)
        text += QStringLiteral("\n") +
                (answer.Nearest->Mean
                     ? QCoreApplication::translate("CalibrationDialog",
                                                   "最も近い項目：%1（湾内平均水温 %2 ℃）")
                           .arg(ToQString(answer.Nearest->Entry), Degrees(*answer.Nearest->Mean))
                     : QCoreApplication::translate("CalibrationDialog",
                                                   "最も近い項目：%1（計算結果なし）")
                           .arg(ToQString(answer.Nearest->Entry)));
    Outcome->setText(text);

    const session::FitTable fit = session::FitTableOf(Asked.Target, answer);
    for (std::size_t r = 0; r < fit.Rows.size(); ++r) {
        const session::FitRow& row = fit.Rows[r];
        const int at = static_cast<int>(r);
        SetCell(*Table, at, 0, row.Observed ? Degrees(*row.Observed) : QString());
        SetCell(*Table, at, 1, Degrees(row.Computed));
        SetCell(*Table, at, 2, row.Error ? Degrees(*row.Error) : QString());
    }
    SetCell(*Table, kBiasRow, 2, Degrees(fit.Bias));
    SetCell(*Table, kBiasRow + 1, 2, Degrees(fit.Rms));
}

void CalibrationDialog::Apply() {
    if (!Solved || Stale || Running)
        return;
    if (const auto step = session::ApplyingStep(Asked.Input, *Solved); step && OnApply)
        OnApply(*step);
}

}  // namespace tidewell::window
