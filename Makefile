# SPDX-License-Identifier: GPL-3.0-or-later
# make run     — install what the game needs, build it, start it
# make test    — install everything, build everything, run every test (also under ASan+UBSan,
#                and the non-window tests with fused multiply-add and with x87 arithmetic)
# make package — build the Debian source and binary packages in build/package/
#                (dpkg-buildpackage on debian/; DEB_BUILD_OPTIONS=nocheck skips their tests)
# make dist    — the release tarball build/release/vezuvire-<version>.tar.gz, the
#                same bytes every time from the same sources

# Building and playing the game: its compiler, build tools, libraries (Qt's
# X11 and off-screen window-system plugins come with libqt6gui6), Qt's own
# translations (its standard buttons and menus in Japanese), Qt's translation
# tools (lupdate, lrelease and their CMake package, for the game's English)
# and the Japanese font the tests' pictures were made with (the package
# itself is content with the smaller IPAex Mincho).
RUN_PACKAGES  := cmake g++ make pkg-config qt6-base-dev qt6-translations-l10n qt6-l10n-tools \
                 qt6-tools-dev libsdl2-mixer-dev fonts-noto-cjk
# The Debian package: dpkg-buildpackage (dpkg-dev), debhelper, and the test
# libraries and tools its build runs the tests with.
PKG_PACKAGES  := dpkg-dev debhelper file libgtest-dev libgmock-dev qt6-svg-dev librsvg2-bin
# Tests, benchmarks, fuzzing and the checkers of the installed files and of
# the package: desktop-file-validate, appstreamcli, xmllint,
# update-mime-database, groff, lintian; GLib's gio and xdg-mime (the file
# type as GNOME-style desktops see it); Qt SVG and rsvg-convert (the
# scalable icon as KDE and GNOME draw it); the 32-bit compiler and
# library for the build with i386's x87 arithmetic (tests/arith/other_fp.sh).
TEST_PACKAGES := libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev \
                 desktop-file-utils appstream libxml2-utils shared-mime-info groff-base lintian \
                 libglib2.0-bin xdg-utils qt6-svg-dev librsvg2-bin g++-multilib
JOBS     ?= $(shell nproc)
BUILD    := build
ASAN     := build-asan
# The parts without a window built with other machines' floating point
# (fused multiply-add; x87), two jobs each: they only check the arithmetic.
FP_JOBS  ?= 2

# The game alone; the first configuration of $(BUILD) by `make run` uses it,
# later ones keep whatever the build folder has.
GAME_ONLY := -DVZ_TESTS=OFF -DVZ_BENCH=OFF -DVZ_FUZZ=OFF
EVERYTHING := -DVZ_TESTS=ON -DVZ_BENCH=ON -DVZ_FUZZ=ON -DVZ_WERROR=ON
CONFIGURE_GAME = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
                 $(if $(wildcard $(BUILD)/CMakeCache.txt),,$(GAME_ONLY))

.PHONY: run test package dist deps deps-run deps-package build build-game build-asan test-fp clean bench

# install_missing PACKAGES
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi; \
	  $$SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps-run:
	$(call install_missing,$(RUN_PACKAGES))

deps-package:
	$(call install_missing,$(RUN_PACKAGES) $(PKG_PACKAGES))

deps:
	$(call install_missing,$(RUN_PACKAGES) $(PKG_PACKAGES) $(TEST_PACKAGES))

build-game: deps-run
	$(CONFIGURE_GAME)
	cmake --build $(BUILD) -j $(JOBS) --target vezuvire

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(EVERYTHING)
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DVZ_SANITIZE=ON -DVZ_TESTS=ON -DVZ_BENCH=OFF -DVZ_WERROR=ON
	cmake --build $(ASAN) -j $(JOBS)

run: build-game
	cd $(BUILD)/bin && ./vezuvire

dist:
	sh tools/dist.sh . $(BUILD)/release

package: deps-package
	DEB_BUILD_OPTIONS="$${DEB_BUILD_OPTIONS:-parallel=$(JOBS)}" bash tests/install/package_build.sh . $(BUILD)/package

test: build build-asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-fp

# The same play and drawing on every machine: the rules, computer, golden
# and command-line tests built with -mfma and with -m32 -mfpmath=387 (each
# skipped with a message where this machine cannot run it).
test-fp: deps
	sh tests/arith/other_fp.sh fma build-fma $(FP_JOBS)
	sh tests/arith/other_fp.sh x87 build-x87 $(FP_JOBS)

bench: build
	$(BUILD)/bin/vezuvire-bench

clean:
	rm -rf $(BUILD) $(ASAN) build-fma build-x87
