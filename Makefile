# make run  — install what is missing, build, start the game
# make test — install what is missing, build, run every test (also under ASan+UBSan)

PACKAGES := cmake g++ make pkg-config qt6-base-dev libsdl2-mixer-dev libgtest-dev libgmock-dev \
            libbenchmark-dev fonts-noto-cjk clang libclang-rt-14-dev
JOBS     ?= $(shell nproc)
BUILD    := build
ASAN     := build-asan

.PHONY: run test deps build build-asan clean bench

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi; \
	  $$SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVZ_FUZZ=ON
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DVZ_SANITIZE=ON -DVZ_BENCH=OFF
	cmake --build $(ASAN) -j $(JOBS)

run: build
	cd $(BUILD)/bin && ./vezuvire

test: build build-asan
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bin/vezuvire-bench

clean:
	rm -rf $(BUILD) $(ASAN)
