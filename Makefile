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

# Starts the program from the shipped program folder on the sample calendar. Without a
# display (or before the window program exists) it exports the sample calendar for the
# current year to a PDF in the build folder instead and says where.
run: build
	@cd data && if [ -x ../$(BUILD)/app/veltrano ] && [ -n "$${DISPLAY}$${WAYLAND_DISPLAY}" ]; then \
	    ../$(BUILD)/app/veltrano; \
	  else \
	    out=$$(cd .. && pwd)/$(BUILD)/natur.pdf; \
	    echo "No window to show (no display or no window program): exporting the sample calendar to $$out"; \
	    ../$(BUILD)/cli/veltrano-cli export daten/natur.cal --out "$$out" && echo "$$out"; \
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
