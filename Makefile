# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Vertexa developers
# Vertexa: `make run` starts the program, `make test` runs every test,
# `make package` builds the Debian package in the build folder.
SHELL := /bin/bash
# Both install the Debian packages the build needs when they are missing.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=

# qt6-declarative-dev: Debian 12's qt6-speech-dev lacks the Qt6QmlIntegration
# CMake files that Qt6TextToSpeech's need.
PACKAGES = cmake ninja-build g++ make qt6-base-dev qt6-qpa-plugins libqt6gui6 libgif-dev \
           xvfb xauth fonts-liberation2 fonts-dejavu-core fonts-wine libgl-dev \
           dpkg-dev file desktop-file-utils appstream xdotool x11-apps lintian \
           libxcb1-dev openbox weston xwayland qt6-wayland \
           qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-wqy-microhei \
           libqt6printsupport6 qt6-speech-dev qt6-declarative-dev

FUZZ_PACKAGES = clang libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)


.PHONY: all deps deps-fuzz configure build run test test-sanitize fuzz package explore leaks soak mutants golden translations clean

all: build

deps deps-fuzz: WANTED = $(PACKAGES)
deps-fuzz: WANTED = $(PACKAGES) $(FUZZ_PACKAGES)
deps deps-fuzz:
	@missing=""; \
	for p in $(WANTED); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	cd $(BUILD)/program && ./vertexa

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j2

package: build
	cd $(BUILD) && cpack -G DEB

# Brings every translations/vertexa_<language>.ts up to date with the texts in
# src/ and tools/: new texts arrive unfinished, translations are kept, texts
# gone are dropped. NEW=<language> (such as sv or pt_PT) first starts that
# language's file; the build takes every file there, nothing lists them.
translations: deps $(BUILD)/build.ninja
	@if [ -n "$(NEW)" ] && [ ! -e translations/vertexa_$(NEW).ts ]; then \
	    printf '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="%s">\n</TS>\n' \
	        '$(NEW)' >translations/vertexa_$(NEW).ts; \
	fi
	cmake --build $(BUILD) --target vertexa_core_lupdate

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVERTEXA_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD)
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j2

# Bounded fuzzing runs, each starting from a copy of the seed corpus.
fuzz: deps-fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVERTEXA_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) --target fuzz_leadingnumber fuzz_picture
	@for target in leadingnumber picture; do \
	    work=$$(mktemp -d); cp fuzz/corpus/$$target/* $$work/; \
	    echo "Fuzzing $$target for $(FUZZ_SECONDS) s"; \
	    QT_QPA_PLATFORM=offscreen $(FUZZ_BUILD)/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) \
	        -artifact_prefix=$(FUZZ_BUILD)/ -print_final_stats=1 $$work 2>&1 | grep -E 'stat::number_of_executed_units|Done|ERROR|SUMMARY' ; \
	    status=$${PIPESTATUS[0]}; rm -rf $$work; [ $$status -eq 0 ] || exit $$status; \
	done

# The full-length hardening runs; CI runs the same tests with smaller counts.
EXPLORE_EVENTS ?= 100000
EXPLORE_SEED ?= 1
ROUNDS ?= 1000
E2E_ENV = QT_QPA_PLATFORMTHEME= QT_QPA_PLATFORM=offscreen:configfile=$(CURDIR)/tests/displays/800x600.json
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
               LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 QT_NO_GLIB=1

# Random but legal input to the running program; replay a failure with the
# seed and count it prints: make explore EXPLORE_SEED=... EXPLORE_EVENTS=...
explore: build
	$(E2E_ENV) VERTEXA_EXPLORE_EVENTS=$(EXPLORE_EVENTS) VERTEXA_EXPLORE_SEED=$(EXPLORE_SEED) \
	    $(BUILD)/tests/e2e/tst_randomevents -maxwarnings 0

# 1,000 visits of every lesson screen and 1,000 Jotters: no growth in the
# plain build, no leak in the sanitizer build.
leaks: build
	$(E2E_ENV) VERTEXA_ROUNDS=$(ROUNDS) $(BUILD)/tests/e2e/tst_roundtrips
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVERTEXA_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD) --target tst_roundtrips vertexa_pictures
	$(E2E_ENV) $(SANITIZE_ENV) VERTEXA_ROUNDS=$(ROUNDS) $(SANITIZE_BUILD)/tests/e2e/tst_roundtrips

# The animations run long with the real pictures, at the display ratios of
# plain, scaled and high-resolution screens: CPU per tick beside a bare
# window, memory.
soak: build
	for ratio in 1 1.5 2; do QT_SCALE_FACTOR=$$ratio $(BUILD)/bench/bench_soak || exit 1; done

# Planted faults: how many the suite catches (long; not in CI). MUTANTS= picks ids.
mutants: build
	tests/mutants/run.sh tests/mutants/mutants.txt $(MUTANTS)

# After a deliberate change of look: the screens' reference pictures in
# tests/golden/references, written afresh at both display ratios.
golden: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target tst_golden
	rm -rf tests/golden/references
	VERTEXA_GOLDEN_UPDATE=1 ctest --test-dir $(BUILD) -R '^tst_golden' --output-on-failure

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
