# Vertexa: `make run` starts the program, `make test` runs every test,
# `make package` builds the Debian package in the build folder.
SHELL := /bin/bash
# Both install the Debian packages the build needs when they are missing.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=

PACKAGES = cmake ninja-build g++ make qt6-base-dev qt6-qpa-plugins libqt6gui6 libgif-dev \
           xvfb xauth fonts-liberation2 fonts-dejavu-core fonts-wine libgl-dev \
           dpkg-dev file desktop-file-utils appstream xdotool x11-apps

FUZZ_PACKAGES = clang libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: all deps deps-fuzz configure build run test test-sanitize fuzz package clean

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
	        -print_final_stats=1 $$work 2>&1 | grep -E 'stat::number_of_executed_units|Done|ERROR|SUMMARY' ; \
	    status=$${PIPESTATUS[0]}; rm -rf $$work; [ $$status -eq 0 ] || exit $$status; \
	done

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
