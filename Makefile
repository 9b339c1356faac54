# The two commands of the README: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
CMAKE_ARGS ?=
JOBS       ?= 2

.PHONY: all deps configure build test run asan format clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) >/dev/null

configure: deps $(BUILD)/build.ninja

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Starts the window program on a program folder of its own in the build tree
# ($(BUILD)/run-home/veltrano, set up from data/ as the installed launcher does for each
# user), so running never writes into the repository. The first start shows the sample
# calendar. Without a display it exports the sample calendar to a PDF instead and says where.
RUN_ENV = VELTRANO_DATA=$(CURDIR)/data VELTRANO_PROGRAM=$(CURDIR)/$(BUILD)/app/veltrano \
          XDG_DATA_HOME=$(CURDIR)/$(BUILD)/run-home

run: build
	@if [ -n "$${DISPLAY}$${WAYLAND_DISPLAY}" ]; then \
	    $(RUN_ENV) sh packaging/veltrano-launcher.sh; \
	  else \
	    out=$(CURDIR)/$(BUILD)/natur.pdf; \
	    echo "No display: exporting the sample calendar for this year to $$out instead of showing it"; \
	    cd data && ../$(BUILD)/cli/veltrano-cli export daten/natur.cal --out "$$out" && echo "$$out"; \
	  fi

# The layers without Qt and their tests under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRANO_QT=OFF \
	    -DVELTRANO_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
