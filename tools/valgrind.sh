#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Contaperle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the test executables of the ci build under valgrind's memcheck,
# offscreen, two at a time: an invalid read or write, or memory definitely
# lost, fails the run. Build first (bash tools/build.sh test). The soak skips
# itself here (no CONTAPERLE_SOAK): valgrind's own bookkeeping breaks its
# memory bound, and the sanitizer lane runs it whole. A test forks a child
# that draws and leaves at once: its report would count the parent's threads'
# memory as lost, so children stay silent.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
find build/ci/tests -maxdepth 1 -type f -executable -name 'tst_*' -print0 |
  xargs -0 -P 2 -I{} valgrind --quiet --error-exitcode=99 --child-silent-after-fork=yes --leak-check=full \
                              --errors-for-leak-kinds=definite --show-leak-kinds=definite --num-callers=40 {} -silent
