"""Builds the compiled part of the `tidewell` package with the project's CMake
build (the Qt-free layers only) for the Python running this script."""

import os
import pathlib
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = pathlib.Path(__file__).parent.resolve()


class CMakeBuild(build_ext):
    """Configures and builds the _tidewell target and puts it in the package."""

    def build_extension(self, ext):
        build = pathlib.Path(self.build_temp).resolve() / "cmake"
        subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release", "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG",
                        "-DTIDEWELL_BUILD_WINDOW=OFF", "-DBUILD_TESTING=OFF",
                        "-DTIDEWELL_BUILD_BENCHMARKS=OFF", f"-DPython3_EXECUTABLE={sys.executable}"],
                       check=True)
        subprocess.run(["cmake", "--build", str(build), "--target", "_tidewell", "--parallel",
                        str(os.cpu_count() or 1)], check=True)
        built = next((build / "python" / "tidewell").glob("_tidewell*.so"))
        target = pathlib.Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        self.copy_file(str(built), str(target))


# Its own folder, apart from the CMake presets' build/.
setup(ext_modules=[Extension("tidewell._tidewell", sources=[])], cmdclass={"build_ext": CMakeBuild},
      options={"build": {"build_base": "build-python"}})
