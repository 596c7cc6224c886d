# The two commands of the README, and a few for developers.
#   make run          install what is missing, build (Release), start the program
#   make test         install what is missing, build, run every test through ctest
#   make screenshots  render the windows to PNG under build/screenshots/ (in English under en/) and refresh the README's
#   make screenshots-hidpi  the same at 150 % and 200 % scaling, under build/screenshots-1.5/ and -2/
#   make package      build the Debian package build/ferricalc_<version>_<arch>.deb and check it
#   make web          build the web page into build/web/ (open build/web/index.html, or serve the folder)
#   make web-screenshots  render the web page in headless Chromium to PNG under build/web-screenshots/
#   make bench        time start-up, the windows, the arithmetic and the command line against bare Qt
#   make accuracy     how far each window lands from the data sheets of the standard-core catalogue,
#                     and the design's AL from the published AL of real sets
#   make catalog      regenerate cores/catalog_table.cpp from data/catalog.json (needs python3)
#   make materials    regenerate cores/materials_table.cpp from data/materials.json (needs python3)
#   make published-al regenerate cores/published_al_table.cpp from data/al-published.csv (needs python3)
#   make test-sanitize  build everything with AddressSanitizer and UBSan (g++) and run every test
#   make fuzz         build the libFuzzer targets with clang and run each for FUZZ_SECONDS

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

SANITIZE_BUILD ?= build-sanitize
SANITIZERS = -fsanitize=address,undefined -fno-sanitize-recover=all
# Under the sanitizers the monkey and the leak cycles run shorter: LeakSanitizer
# reports a leak of ours after one cycle as surely as after a thousand.
SANITIZE_MONKEY_EVENTS ?= 5000
SANITIZE_LEAK_CYCLES ?= 100
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_CLANG ?= 14

.PHONY: all deps deps-web configure configure-web build run test screenshots screenshots-hidpi package bench accuracy catalog materials published-al drawings clean \
        test-sanitize fuzz web web-screenshots

all: build

deps:
	@./scripts/install-deps.sh

# The web page's toolchain and the browser its tests drive: some hundred megabytes
# that the desktop program does not need, so make run goes without them.
deps-web:
	@./scripts/install-deps.sh --web

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) > /dev/null

configure-web: deps-web configure

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target ferricalc ferricalc-cli
	$(BUILD)/app/ferricalc

test: configure-web build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The README shows the selector, the EE/EF window and a design window from here (docs/screenshots/),
# in Chinese and in English.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/app/ferricalc-screenshots $(BUILD)/screenshots
	cp $(BUILD)/screenshots/selector.png $(BUILD)/screenshots/ee.png docs/screenshots/
	cp $(BUILD)/screenshots/design-ee.png docs/screenshots/design.png
	cp $(BUILD)/screenshots/design-etd-losses.png docs/screenshots/design-losses.png
	cp $(BUILD)/screenshots/advisor.png docs/screenshots/advisor.png
	cp $(BUILD)/screenshots/en/selector.png docs/screenshots/en-selector.png
	cp $(BUILD)/screenshots/en/ee.png docs/screenshots/en-ee.png
	cp $(BUILD)/screenshots/en/design-ee.png docs/screenshots/en-design.png

# Every window at 150 % and 200 %: the same proportions, the drawings sharp.
screenshots-hidpi: build
	for scale in 1.5 2; do \
	    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$$scale \
	        $(BUILD)/app/ferricalc-screenshots $(BUILD)/screenshots-$$scale || exit 1; done

# The web page: the same C++ compiled to WebAssembly, with the page's own files and the drawings.
web: configure-web
	@cmake --build $(BUILD) -j $(JOBS) --target web

# The selector, calculators after a Calculate, a failure and the phone layout, as Chromium draws them,
# in Chinese and in English.
web-screenshots: web
	NODE_PATH=$(CURDIR)/web/node_modules node tests/web/screenshots.js $(BUILD)/web $(BUILD)/web-screenshots

# The package holds what cmake --install puts under /usr; its test reads it back.
package: build
	@cmake --build $(BUILD) --target package
	cd $(BUILD) && ctest -R packaging_deb_test --output-on-failure

# The README's Performance table (takes some ten minutes; keep the machine otherwise idle).
# Xvfb adds the X11 rows beside the offscreen ones.
bench: configure-web build
	@./scripts/install-deps.sh xvfb xauth
	$(BUILD)/bench/ferricalc_bench_table $(BUILD)

# The README's Accuracy tables: every catalogue core with published figures, as its window calculates it,
# and the published AL of real sets (data/al-published.csv) against the design's.
accuracy: build
	$(BUILD)/cli/ferricalc-accuracy

# The catalogue is compiled in; the generated table is committed, so a build needs neither python3 nor the JSON.
catalog:
	python3 cores/catalog_table.py

# The materials table is compiled in the same way; data/materials.json names each figure's source.
materials:
	python3 cores/materials_table.py

# The published AL values are compiled in the same way, for the design's AL-against-gap plot.
published-al:
	python3 cores/published_al_table.py

# Regenerates the SVG artwork from its scripts (needs python3; the SVGs are committed).
# Every script but the shared helper modules writes one picture; a drawing that
# fails its own checks (a letter on a line, a mark outside its window) stops here.
drawings:
	cd resources/drawings && for script in *.py; do \
	    case "$$script" in drafting.py|*_parts.py) ;; *) python3 "$$script" || exit 1 ;; esac; done
	cd resources/art && for script in *.py; do \
	    case "$$script" in artwork.py) ;; *) python3 "$$script" || exit 1 ;; esac; done

# Debug keeps the assertions; -O1 keeps the windows' tests quick enough. Qt and
# fontconfig are not instrumented: the suppressions name their own leaks only.
# The web page is left out: the sanitizers do not reach into WebAssembly, and
# make test runs its tests.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DFERRICALC_BUILD_BENCHMARKS=OFF -DFERRICALC_BUILD_WEB=OFF \
	    -DCMAKE_CXX_FLAGS="-O1 -fno-omit-frame-pointer $(SANITIZERS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZERS)" $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/reliability/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1 \
	    FERRICALC_MONKEY_EVENTS=$(SANITIZE_MONKEY_EVENTS) FERRICALC_LEAK_CYCLES=$(SANITIZE_LEAK_CYCLES) \
	    ctest --output-on-failure -j $(JOBS)

# libFuzzer comes with clang (Debian's clang-14 compiles our C++20; FUZZ_CLANG=19 takes clang-19).
fuzz:
	@./scripts/install-deps.sh make cmake g++ clang-$(FUZZ_CLANG) libclang-rt-$(FUZZ_CLANG)-dev
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 \
	    -DCMAKE_CXX_COMPILER=clang++-$(FUZZ_CLANG) -DFERRICALC_BUILD_FUZZERS=ON \
	    -DFERRICALC_BUILD_GUI=OFF -DFERRICALC_BUILD_TESTS=OFF -DFERRICALC_BUILD_BENCHMARKS=OFF \
	    -DFERRICALC_BUILD_WEB=OFF > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@./scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
