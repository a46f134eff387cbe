#pragma once

namespace tidewell {

// Every text the lower layers hand the window, by what it says. The Japanese
// wordings are in MessageCatalog.cpp.
enum class MessageId {
    Plain,  // its one argument as it is: a number among words
    // messages of the calculation
    Completed,
    Cancelled,
    ReportWriteFailed,
    LongRunQuestion,
    UnstableRaiseInflow,
    UnstableEnlargeBay,
    ZeroTimeStep,
    TooManySteps,
    OutOfRange,
    FlowLimit,
    NoMouthSection,
    StepLimit,
    // refused inputs
    BayAreaLimit,
    DepthLimit,
    MouthLengthLimit,
    SeaTempNotNumber,
    InflowTempNotNumber,
    InflowRateLimit,
    EntryNotInList,
    // files
    CaseOpenFailed,
    CaseSaveFailed,
    NoResultToSave,
    CsvWriteFailed,
    UnsavedChanges,
    RecentFileMissing,
    ImageSaveFailed,
    SweepNotFinished,
    SweepCsvFailed,
    // why a case file was refused
    KeyMissing,
    KeyNotString,
    KeyNotStringOrNull,
    EntryNotListed,
    NotJson,
    NotCaseFile,
    KeyTwice,
    VersionNotInteger,
    VersionUnsupported,
    UnknownKey,
    InputRefused,
    // why a file could not be read or written
    FileTooLarge,
    NoSuchFile,
    PermissionDenied,
    IsFolder,
    DiskFull,
    ReadOnlyFileSystem,
    CodePageMissing,
    NotInCodePage,
    ContentsNotWritten,
    // the result field, progress and durations
    ResultUnstable,
    ResultCannotRun,
    Progress,
    EstimatingTimeLeft,
    TimeLeft,
    AboutDaysHours,
    AboutDays,
    AboutHoursMinutes,
    AboutHours,
    AboutMinutesSeconds,
    AboutMinutes,
    AboutSeconds,
    // tooltips
    CellTip,
    CellSteadyTip,
    StaleNote,
    // the chart
    DayAxis,
    TempAxis,
    ChartNoRun,
    ChartNotRun,
    ChartCancelled,
    ChartNotStarted,
    ChartStopped,
    HeadCell,
    MouthCell,
    Cell,
    SteadyCell,
    SeaCurve,
    InflowCurve,
    ChartPick,
    // the sensitivity table
    SectionCaption,
    InflowTempCaption,
    InflowRateCaption,
    SweepUnstable,
    SweepNotRun,
    SweepCancelled,
};

}  // namespace tidewell
