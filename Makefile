# Vertexa: `make run` starts the program, `make test` runs every test.
# Both install the Debian packages the build needs when they are missing.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
CMAKE_FLAGS ?=

PACKAGES = cmake ninja-build g++ make qt6-base-dev qt6-qpa-plugins libqt6gui6 libgif-dev \
           xvfb xauth fonts-liberation2 fonts-dejavu-core libgl-dev

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: all deps configure build run test test-sanitize clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
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

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVERTEXA_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD)
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j2

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
