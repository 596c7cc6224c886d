# The two commands of the README, and a few for developers.
#   make run          install what is missing, build (Release), start the program
#   make test         install what is missing, build, run every test through ctest
#   make screenshots  render the windows to PNG under build/screenshots/

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test screenshots drawings clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/ferricalc

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/app/ferricalc-screenshots $(BUILD)/screenshots

# Regenerates the SVG artwork from its scripts (needs python3; the SVGs are committed).
drawings:
	cd resources/drawings && for script in *.py; do [ "$$script" = drafting.py ] || python3 "$$script"; done
	cd resources/art && python3 selector.py

clean:
	rm -rf $(BUILD)
