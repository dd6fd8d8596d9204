# Front door: every target does its own set-up on a fresh Debian 12 machine.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

# Debian packages the build, the tests and the program need.
PACKAGES = g++ cmake ninja-build make pkg-config git ccache \
	qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins \
	libssl-dev libxxhash-dev libsimdjson-dev libheif-dev libraw-dev \
	libavformat-dev libavcodec-dev libavutil-dev libswscale-dev \
	libcanberra-dev sound-theme-freedesktop \
	xvfb xauth adwaita-icon-theme fonts-dejavu-core \
	weston qt6-wayland at-spi2-core python3-pyatspi gir1.2-atspi-2.0 \
	libgtest-dev libgmock-dev libbenchmark-dev \
	util-linux mount exfatprogs exfat-fuse dosfstools fusefat fiu-utils \
	udisks2 udev dbus-daemon python3-dbusmock \
	desktop-file-utils appstream man-db dpkg-dev bubblewrap \
	libexiv2-dev ffmpeg poppler-utils \
	samba rclone sshfs openssh-server openssh-client fuse3 \
	qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-ipafont-gothic \
	postgresql libqt6sql6-psql \
	findutils coreutils

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: all deps configure build test run install package screenshots translations bench soak fuzz sanitize format clean
PREFIX ?= /usr/local

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

configure:
	@[ -f $(BUILD_DIR)/build.ninja ] || cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure --timeout 300 -j $(JOBS)
	JOBS=$(JOBS) fuzz/run-short.sh

run: build
	$(BUILD_DIR)/bin/stowly

# The programs, menu entry, icons, AppStream description, manual pages and completion.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package (build/stowly_VERSION_ARCH.deb) that apt-get installs with what it needs.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The window in its typical states, sizes and themes, drawn offscreen into PNG files.
screenshots: deps configure
	cmake --build $(BUILD_DIR) --target stowly_screenshots -j $(JOBS)
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/stowly_screenshots $(BUILD_DIR)/screenshots
	for language in de ja pseudo; do \
		QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/stowly_screenshots \
			$(BUILD_DIR)/screenshots/$$language --language $$language || exit 1; \
	done

# The catalogues brought up to date with the texts in the sources; NEW_LANGUAGE=pt starts one.
LUPDATE = /usr/lib/qt6/bin/lupdate
translations: deps
	$(LUPDATE) -locations none -no-obsolete -source-language en src -ts \
		$(sort $(wildcard translations/stowly_*.ts) $(NEW_LANGUAGE:%=translations/stowly_%.ts))

bench: build
	cmake --build $(BUILD_DIR) --target benches -j $(JOBS)
	@for b in $(BUILD_DIR)/bin/*Bench; do echo "== $$(basename $$b)"; $$b || exit 1; done

# The whole fault campaign (the short round is part of `make test`); SOAK_ARGS="--seed N" and so on.
soak: build
	cmake --build $(BUILD_DIR) --target stowly_soak -j $(JOBS)
	$(BUILD_DIR)/bin/stowly_soak $(SOAK_ARGS)

# Each parser under libFuzzer for FUZZ_SECONDS (60 unless given), in a clang build of its own.
fuzz: deps
	FUZZ_SECONDS=$${FUZZ_SECONDS:-60} JOBS=$(JOBS) fuzz/fuzz.sh

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer, in a build of
# its own (build-sanitize); any report fails the test that caused it.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
sanitize: deps
	@[ -f $(SANITIZE_DIR)/build.ninja ] || cmake -S . -B $(SANITIZE_DIR) -G Ninja \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer-leaks.txt \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure --timeout 900 -j $(JOBS) -E '^CrashHandlerDeathTest'
# (The tests preload libfiu's failing calls behind the sanitizer's runtime; the crash handler's
# death test makes the very fault the sanitizers stop at.)
