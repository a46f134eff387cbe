#pragma once

#include <QDialog>
#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "BackgroundJob.h"
#include "case/CaseFile.h"
#include "case/Message.h"
#include "model/UncertaintyChart.h"
#include "session/Uncertainty.h"
#include "session/UncertaintySummary.h"

class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace tidewell::window {

// "不確かさ": a spread for each basic condition (none, uniform, normal or
// triangular, by a percentage of the case's value), the number of samples and
// the seed; "実行" runs the samples, the single run and the one-at-a-time
// ends in the background on all cores on a copy of the case, with progress
// and "中止". Then it shows the bay mean's histogram with P5, P50, P95 and
// the single run's value, the cells' P5-P95 bands beside the run's cells,
// the one-at-a-time bars and the counts by status. "CSVで保存…" writes the
// samples, "画像を保存…" the charts (PNG, or SVG by name). A result whose
// case has changed since is marked so.
class UncertaintyDialog final : public QDialog {
  public:
    // `threads` 0 uses every core.
    UncertaintyDialog(const CaseFile& theCase, MessageSink& messages, QWidget* parent = nullptr,
                      unsigned threads = 0);

    // The main window's case now: the next run uses it, and a result of
    // another case is marked stale.
    void FollowCase(const CaseFile& now);
    bool IsStale() const;

    // The plan the editor holds; Start runs it.
    session::UncertaintyPlan Plan() const;
    void Start();
    bool IsRunning() const { return Running; }
    void Cancel();

    // The last finished run and what it shows; empty before one.
    const session::UncertaintyRun* LastRun() const { return Run.get(); }
    const std::optional<session::UncertaintySummary>& Summary() const { return Summed; }
    const std::vector<model::HistogramBin>& Histogram() const { return Bins; }
    // Where the histogram marks P5, P50 and P95; empty without a result.
    std::optional<std::array<double, 3>> MarkedPercentiles() const;

    // Each reports its failure to the messages, naming the path and the reason.
    bool SaveCsv(const QString& path);
    bool SaveImage(const QString& path);

    void done(int result) override;

  private:
    void ShowProgress(std::size_t done, std::size_t total);
    void Finish(std::shared_ptr<session::UncertaintyRun> run);
    void ShowRun();
    void ShowHistogram();
    void ShowBands();
    void ShowTornado();
    void ShowRunning();
    void AskAndSaveCsv();
    void AskAndSaveImage();

    CaseFile Current;
    CaseFile RunCase;
    session::Spreads RunSpreads{};
    MessageSink& Messages;
    unsigned Threads = 0;
    bool Running = false;
    std::shared_ptr<session::UncertaintyRun> Run;
    std::optional<session::UncertaintySummary> Summed;
    std::vector<model::HistogramBin> Bins;

    std::array<QComboBox*, kBasicInputs.size()> Shapes{};
    std::array<QDoubleSpinBox*, kBasicInputs.size()> Percents{};
    QSpinBox* Samples = nullptr;
    QSpinBox* Seed = nullptr;
    QPushButton* RunButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* CsvButton = nullptr;
    QPushButton* ImageButton = nullptr;
    QProgressBar* Progress = nullptr;
    QLabel* Counts = nullptr;
    QLabel* StaleNote = nullptr;
    QWidget* Charts = nullptr;
    QChartView* HistogramView = nullptr;
    QChartView* BandView = nullptr;
    QChartView* TornadoView = nullptr;

    BackgroundJob Job{*this};  // last: stopped and joined before anything it reports to goes
};

}  // namespace tidewell::window
