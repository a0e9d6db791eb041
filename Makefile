# The two commands a fresh machine needs: `make demo` and `make test`. Both install what is
# missing first. Also: `make bench`, `make fuzz`, `make build`.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=
ASAN_ARGS = -DPLAYER_WERROR=ON -DPLAYER_SANITIZE=ON -DPLAYER_WITH_SDL2=OFF -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"
BENCH_ARGS = -DCMAKE_BUILD_TYPE=Release -DPLAYER_BUILD_BENCH=ON -DPLAYER_BUILD_TESTS=OFF
FUZZ_ARGS = -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPLAYER_BUILD_FUZZ=ON -DPLAYER_BUILD_TESTS=OFF \
  -DPLAYER_WITH_SDL2=OFF

.PHONY: all deps build demo test check-format check-layers test-main test-asan bench fuzz demo-files clean \
  install uninstall package

all: build

deps:
	@tools/install-deps.sh

# Configures build folder $(1) with the CMake arguments $(2) when it has no build files yet, and
# afresh (a new cache) whenever the arguments differ from the ones it was configured with, so
# flags given later are never silently ignored.
define configure
	@mkdir -p $(1); args='-G Ninja $(2)'; \
	if [ ! -f $(1)/build.ninja ] || [ "$$(cat $(1)/.configure-args 2>/dev/null)" != "$$args" ]; then \
	  rm -f $(1)/CMakeCache.txt; echo "cmake -S . -B $(1) $$args"; \
	  eval cmake -S . -B $(1) $$args && printf '%s' "$$args" > $(1)/.configure-args; \
	fi
endef

# A player's build: warnings are not errors, so a newer compiler still builds the game.
build: deps
	$(call configure,$(BUILD),$(CMAKE_FLAGS))
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
# The tests build with warnings as errors. The source format is checked first: it takes a second.
test: deps check-format check-layers test-main test-asan

check-format:
	@tools/check-format.sh

# Every include follows the engine's layers (tools/layers.txt); it takes a tenth of a second.
check-layers:
	@tools/check-layers.sh

test-main: deps
	$(call configure,$(BUILD),$(CMAKE_FLAGS))
	@grep -q '^PLAYER_WERROR:BOOL=ON' $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DPLAYER_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

test-asan: deps
	$(call configure,$(ASAN_BUILD),$(ASAN_ARGS) $(CMAKE_FLAGS))
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) -j $(JOBS) --output-on-failure

bench: deps
	@tools/install-deps.sh lua5.4
	$(call configure,$(BUILD)-bench,$(BENCH_ARGS) $(CMAKE_FLAGS))
	cmake --build $(BUILD)-bench -j $(JOBS)
	@# The idle-window benchmark needs a display: without one, the benchmarks run on a virtual one.
	@set -e; if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then wrap="xvfb-run -a"; else wrap=""; fi; \
	for b in $(BUILD)-bench/benchmarks/*; do echo "== $$b"; $$wrap $$b --benchmark_min_time=0.2; done
	@# The script engine against Lua 5.4 on the same programs, with the figures recorded before.
	@sh bench/vbscript/compare_lua.sh $(BUILD)-bench

# libFuzzer targets built with clang, each run for FUZZ_SECONDS. New inputs go to
# fuzz-corpus/NAME; the language tests and benchmark programs seed the VBScript fuzzers, the
# frame files kept in fuzz/frames/corpus the frame fuzzer, fuzz/project/corpus/record the record fuzzer,
# fuzz/state/corpus (saves) the saved-game fuzzer, fuzz/media/corpus (sounds and a MIDI tune) the sound
# decoder and MIDI fuzzers, fuzz/graphics/corpus (small WMF and EMF pictures) the metafile fuzzer.
fuzz: deps
	$(call configure,$(FUZZ_BUILD),$(FUZZ_ARGS) $(CMAKE_FLAGS))
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@set -e; for f in $(FUZZ_BUILD)/fuzzers/*; do \
	  name=$$(basename $$f); mkdir -p fuzz-corpus/$$name; echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  case $$name in \
	    vbscript_*) extra="-dict=fuzz/vbscript/vbscript.dict tests/vbscript bench/vbscript/programs";; \
	    run_frames_fuzz) extra="fuzz/frames/corpus";; \
	    run_record_fuzz) extra="fuzz/project/corpus/record";; \
	    run_save_fuzz) extra="fuzz/state/corpus";; \
	    run_audio_fuzz|run_midi_fuzz) extra="fuzz/media/corpus";; \
	    run_metafile_fuzz) extra="fuzz/graphics/corpus";; \
	    run_video_fuzz) extra="fuzz/media/video-corpus";; \
	    run_gif_fuzz) extra="fuzz/graphics/gif-corpus";; \
	    run_plugin_fuzz) extra="fuzz/frames/plugin-corpus";; \
	    run_dialogue_fuzz) extra="fuzz/frames/dialogue-corpus";; \
	    run_script_host_fuzz) extra="-dict=fuzz/vbscript/vbscript.dict -timeout=10 tests/vbscript";; \
	    *) extra="";; \
	  esac; \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp $$f -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 \
	    -artifact_prefix=fuzz-corpus/$$name- -print_final_stats=1 fuzz-corpus/$$name $$extra; done

# Installs the player (PREFIX, default /usr/local; DESTDIR for a staging folder), removes what the
# last install wrote, or builds a Debian package of the same files.
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	DESTDIR="$(DESTDIR)" cmake --build $(BUILD) --target uninstall

package: build
	@tools/install-deps.sh dpkg-dev
	cd $(BUILD) && cpack -G DEB

# Writes the demo game's files again from tools/make-demo.cpp.
demo-files: build
	$(BUILD)/make-demo examples/demo

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BUILD)-bench $(FUZZ_BUILD)
