# The two commands a fresh machine needs: `make demo` and `make test`. Both install what is
# missing first. Also: `make bench`, `make fuzz`, `make build`.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=

.PHONY: all deps build demo test test-main test-asan bench fuzz demo-files clean

all: build

deps:
	@tools/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DPLAYER_WERROR=ON $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# Plays the bundled demo in a real window.
demo: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "There is no display to open a window on (DISPLAY and WAYLAND_DISPLAY are not set)."; \
	  echo "Run the demo on a virtual display instead:   xvfb-run -a make demo"; \
	  echo "or play it without a window:                 $(BUILD)/run --headless examples/demo"; \
	  exit 2; \
	fi
	$(BUILD)/run examples/demo

# The whole suite, then the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps test-main test-asan

test-main: build
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DPLAYER_WERROR=ON -DPLAYER_SANITIZE=ON -DPLAYER_WITH_SDL2=OFF \
	  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) -j $(JOBS) --output-on-failure

bench: deps
	@tools/install-deps.sh lua5.4
	cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLAYER_BUILD_BENCH=ON \
	  -DPLAYER_BUILD_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD)-bench -j $(JOBS)
	@set -e; for b in $(BUILD)-bench/benchmarks/*; do echo "== $$b"; $$b --benchmark_min_time=0.2; done

# libFuzzer targets built with clang, each run for FUZZ_SECONDS. New inputs go to
# fuzz-corpus/NAME; the language tests and benchmark programs seed the VBScript fuzzers, the
# frame files kept in fuzz/frames/corpus the frame fuzzer.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DPLAYER_BUILD_FUZZ=ON -DPLAYER_BUILD_TESTS=OFF \
	  -DPLAYER_WITH_SDL2=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@set -e; for f in $(FUZZ_BUILD)/fuzzers/*; do \
	  name=$$(basename $$f); mkdir -p fuzz-corpus/$$name; echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  case $$name in \
	    vbscript_*) extra="-dict=fuzz/vbscript/vbscript.dict tests/vbscript bench/vbscript/programs";; \
	    run_frames_fuzz) extra="fuzz/frames/corpus";; \
	    *) extra="";; \
	  esac; \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp $$f -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 \
	    -artifact_prefix=fuzz-corpus/$$name- -print_final_stats=1 fuzz-corpus/$$name $$extra; done

# Writes the demo game's files again from tools/make-demo.cpp.
demo-files: build
	$(BUILD)/make-demo examples/demo

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BUILD)-bench $(FUZZ_BUILD)
