# make run  : install what is missing, build, start the machine from its program folder
# make test : install what is missing, build, run every test
# make test GENERATOR=OFF : the same, without the picture generator (no libqrencode needed)
# make package : install what is missing, build, make the Debian package vorlix_<version>_<arch>.deb
# make fuzz : build the fuzz targets with clang in their own folder and run each FUZZ_SEKUNDEN
BUILD      ?= build
BUILD_SAN  ?= build-san
BUILD_FUZZ ?= build-fuzz
FUZZ_SEKUNDEN ?= 60
FUZZ_ZIELE = fuzz_regtext fuzz_ini fuzz_bcd fuzz_auswertung fuzz_besuch
JOBS      ?= $(shell nproc)

PACKAGES = cmake g++ make pkg-config qt6-base-dev libcanberra-dev libcanberra-pulse libgl-dev libqrencode-dev \
           fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 \
           dpkg-dev file desktop-file-utils appstream clang clang-format poppler-utils \
           weston qt6-wayland xvfb x11-utils openbox
# The listening test: a sound server of its own and its recorder.
PACKAGES += pulseaudio pulseaudio-utils
# GENERATOR=OFF builds the program and its tests without the picture generator, which alone needs
# libqrencode, and without the generator's test, which alone needs pdftotext.
GENERATOR ?= ON
ifeq ($(GENERATOR),OFF)
PACKAGES := $(filter-out libqrencode-dev poppler-utils,$(PACKAGES))
endif

CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLIX_GENERATOR=$(GENERATOR)
ifeq ($(CI),true)
CMAKE_FLAGS += -DVORLIX_WERROR=ON
endif

.PHONY: all deps build run test test-sanitized package clean format format-check fuzz

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" -eq 0 ]; then SUDO=""; else SUDO=sudo; fi; \
	  echo "Installing:$$missing"; \
	  $$SUDO apt-get update && $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/bin && ./Vorlix

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
ifeq ($(CI),true)
	$(MAKE) format-check
	$(MAKE) test-sanitized
	if command -v clang++ >/dev/null; then $(MAKE) fuzz FUZZ_SEKUNDEN=30; fi
endif

package: build
	cd $(BUILD) && cpack -G DEB

test-sanitized: deps
	cmake -S . -B $(BUILD_SAN) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DVORLIX_SANITIZE=ON
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# Each target runs on its seeds (tests/fuzz/korpus/<target>) and a working corpus in the build
# folder; a finding stops the run and lies as befund-<target>-* in the build folder. An input
# that takes longer than FUZZ_ZEITLIMIT seconds is a finding too; the registry text gets inputs
# up to the largest file the store reads, and the journal up to the largest the start reads, so
# that a reader slower than linear shows.
FUZZ_ZEITLIMIT ?= 5
FUZZ_LAENGE_fuzz_regtext = -max_len=1048576
FUZZ_LAENGE_fuzz_besuch = -max_len=16777216
fuzz: deps
	cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DVORLIX_FUZZ=ON
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target $(FUZZ_ZIELE)
	@for ziel in $(FUZZ_ZIELE); do \
	  echo "== $$ziel: $(FUZZ_SEKUNDEN) s"; \
	  mkdir -p $(BUILD_FUZZ)/korpus/$$ziel; \
	  case $$ziel in fuzz_regtext) laenge="$(FUZZ_LAENGE_fuzz_regtext)";; \
	    fuzz_besuch) laenge="$(FUZZ_LAENGE_fuzz_besuch)";; *) laenge="";; esac; \
	  $(BUILD_FUZZ)/tests/fuzz/$$ziel -max_total_time=$(FUZZ_SEKUNDEN) -print_final_stats=1 \
	    -timeout=$(FUZZ_ZEITLIMIT) $$laenge -artifact_prefix=$(BUILD_FUZZ)/befund-$$ziel- \
	    $(BUILD_FUZZ)/korpus/$$ziel tests/fuzz/korpus/$$ziel || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ)
