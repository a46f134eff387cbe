"""The module gives what the command line gives, case for case."""

import csv
import io
import json
import os
import signal
import threading
import time

import numpy as np
import pandas as pd
import pytest

import tidewell
from conftest import CASES, GOLDEN, cli, cli_json, table_rows


def kwargs(inputs):
    return {name.replace("-", "_"): text for name, text in inputs.items()}


def same(value, expected):
    """A module value against the command line's: a missing one (None, NaN, NA)
    against null or "", a text as it is, a number exactly."""
    if expected is None or expected == "":
        return value == "" if isinstance(value, str) else value is None or pd.isna(value)
    return value == expected if isinstance(value, str) else float(value) == float(expected)


def check_result(result, status, out):
    unstable = out["fields"]["Text16"] == "計算不安定"
    assert result.status == {0: "result", 3: "unstable" if unstable else "cannot-run"}[status]
    assert same(result.mean, out["BayMeanConc"])
    assert all(same(c, e) for c, e in zip(result.cells, out["cells"]))
    assert result.fields == out["fields"] and result.result_text == out["fields"]["Text16"]
    assert list(result.lists.values()) == list(out["lists"].values())
    assert [(m.title, m.prompt) for m in result.messages] == [(m["title"], m["prompt"]) for m in out["messages"]]
    assert (result.time_step, result.calc_days, result.step_count) == (out["TimeStep"], out["CalcDays"], out["StepCount"])
    assert (result.steady_state is None) == (out["steadyState"] is None)
    if out["steadyState"]:
        assert list(result.steady_state) == out["steadyState"]


@pytest.mark.parametrize("name,inputs", table_rows(), ids=[row[0] for row in table_rows()])
def test_case_as_the_command_line(name, inputs, tmp_path):
    status, out = cli_json(inputs, f"--report={tmp_path / 'r.txt'}")
    if status == 2:
        with pytest.raises(tidewell.RefusedInput) as refused:
            tidewell.Case(**kwargs(inputs))
        assert refused.value.name in inputs
        assert (refused.value.title, refused.value.prompt) == tuple(out["messages"][-1].values())
        return
    result = tidewell.run(tidewell.Case(**kwargs(inputs)))
    check_result(result, status, out)
    report = tmp_path / "r.txt"
    assert result.report_bytes() == (report.read_bytes() if report.exists() else None)


def test_batch_as_the_command_line_and_threads_change_nothing():
    table = pd.read_csv(CASES, dtype=str, keep_default_na=False)
    frame = tidewell.batch(table, threads=1)
    assert frame.equals(tidewell.batch(table, threads=2)) and frame.equals(tidewell.batch(table))
    status, out = cli("--batch", str(CASES))
    expected = list(csv.DictReader(io.StringIO(out)))
    assert status == 3 and list(frame.columns) == list(expected[0]) and len(frame) == len(expected)
    for row, want in zip(frame.itertuples(index=False), expected):
        for value, text in zip(row, want.values()):
            assert same(value, text)


def test_sweep_as_the_command_line(tmp_path):
    case = tidewell.Case(bay_area="700")
    frame = tidewell.sweep(case, threads=2)
    cli("--bay-area=700", f"--sweep={tmp_path / 's.csv'}")
    expected = pd.read_csv(tmp_path / "s.csv", dtype=str, keep_default_na=False)
    assert frame.shape == (448, 10) and list(frame.columns) == list(expected.columns)
    for column in ("mean", "cell1", "cell5"):
        assert all(map(same, frame[column], expected[column]))
    assert list(frame["status"]) == list(expected["status"])


def test_series_frame(tmp_path):
    result = tidewell.run(tidewell.Case(bay_area=500))
    series = result.series
    assert series.index.name == "day" and list(series.columns) == [f"cell{n}" for n in range(1, 6)]
    assert series.iloc[0].tolist() == [float(result.case.sea_temp)] * 5 and series.index[0] == 0
    assert series.iloc[-1].tolist() == result.cells.tolist()
    cli("--bay-area=500", "--no-report", f"--series={tmp_path / 's.csv'}")
    expected = pd.read_csv(tmp_path / "s.csv", float_precision="round_trip").set_index("day")
    assert series.shape == expected.shape and (series.to_numpy() == expected.to_numpy()).all()


def test_numbers_become_texts_a_user_types():
    case = tidewell.Case(bay_area=500, mean_depth=12.5, inflow_factor=2)
    assert (case.bay_area, case.mean_depth, case.inflow_factor) == ("500", " 12.5", "2.0")
    with pytest.raises(tidewell.RefusedInput) as refused:
        case.replace(section_factor=0.3)
    assert refused.value.name == "section-factor" and refused.value.title == "倍率の指定"
    assert isinstance(refused.value.id, int)
    # A list entry written as another text of its number is that entry.
    assert tidewell.Case(inflow_factor="05", section_factor="+.50").inflow_factor == "5.0"
    with pytest.raises(tidewell.RefusedInput):
        tidewell.Case(inflow_factor="5x")
    table = tidewell.batch(pd.DataFrame({"inflow-factor": ["05", "5x"]}))
    assert table["inflow-factor"].tolist() == ["5.0", "5x"]


def test_case_files(tmp_path):
    example = tidewell.Case.from_file(GOLDEN / "example.tidewell")
    status, out = cli("--json", "--no-report", f"--case={GOLDEN / 'example.tidewell'}")
    check_result(tidewell.run(example), status, json.loads(out))
    example.save(tmp_path / "copy.tidewell")
    assert tidewell.Case.from_file(tmp_path / "copy.tidewell") == example
    with pytest.raises(tidewell.CaseFileError):
        tidewell.Case.from_file(tmp_path / "missing.tidewell")


def test_step_limit_as_the_command_line():
    status, out = cli_json({}, "--max-steps=100")
    check_result(tidewell.run(tidewell.Case(), max_steps=100), status, out)


def test_ctrl_c_stops_a_sweep():
    # 448 runs of about three million steps each on one thread: minutes, unless stopped.
    timer = threading.Timer(0.3, os.kill, (os.getpid(), signal.SIGINT))
    timer.start()
    started = time.monotonic()
    with pytest.raises(KeyboardInterrupt):
        tidewell.sweep(tidewell.Case(bay_area=20000, inflow_rate=10), threads=1)
    assert time.monotonic() - started < 30
    timer.join()


def test_uncertainty_and_solve_as_the_command_line(tmp_path):
    spreads = {"bay-area": {"dist": "uniform", "percent": 10},
               "sea-temp": {"dist": "normal", "percent": 150}}
    (tmp_path / "s.json").write_text(json.dumps(spreads))
    case = tidewell.Case(inflow_rate="500")
    status, out = cli("--inflow-rate", "500", "--uncertainty", "s.json", "--samples", "40",
                         "--seed", "9", "--out", "samples.csv", cwd=tmp_path)
    got = tidewell.uncertainty(case, spreads, samples=40, seed=9, threads=1)
    assert status == 0 and got.summary == json.loads(out)
    assert got.summary["counts"]["refused"] > 0  # sea temperatures below 0 degC are refused
    expected = pd.read_csv(tmp_path / "samples.csv", dtype=str, keep_default_na=False)
    for column in expected:
        if column in ("mean", "cell1", "cell2", "cell3", "cell4", "cell5"):
            assert all(same(value, text) for value, text in zip(got.samples[column], expected[column]))
        else:
            assert list(got.samples[column].astype(str)) == list(expected[column]), column
    with pytest.raises(tidewell.TidewellError, match="分布"):
        tidewell.uncertainty(case, {"bay_area": {"dist": "cauchy", "percent": 1}})

    status, out = cli("--inflow-rate", "500", "--solve-for", "mouth-length", "--observed",
                         "17.4,,17.6,,")
    assert status == 0
    solved = tidewell.solve(case, "mouth_length", observed=[17.4, None, 17.6, None, None])
    assert solved == json.loads(out) and "text" in solved
    with pytest.raises(tidewell.TidewellError, match="16.88067") as unreachable:
        tidewell.solve(None, "inflow-factor", target=25)
    assert unreachable.value.result["value"] is None
