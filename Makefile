# make run  : install what is missing, build, start the machine from its program folder
# make test : install what is missing, build, run every test
# make package : install what is missing, build, make the Debian package vorlix_<version>_<arch>.deb
BUILD     ?= build
BUILD_SAN ?= build-san
JOBS      ?= $(shell nproc)

PACKAGES = cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev libgl-dev libqrencode-dev \
           gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 \
           dpkg-dev file desktop-file-utils appstream

CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifeq ($(CI),true)
CMAKE_FLAGS += -DVORLIX_WERROR=ON
endif

.PHONY: all deps build run test test-sanitized package clean format

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
	$(MAKE) test-sanitized
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

clean:
	rm -rf $(BUILD) $(BUILD_SAN)
