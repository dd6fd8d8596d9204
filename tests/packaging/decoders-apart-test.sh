#!/bin/sh
# The programs that hold the user's copies load no decoder of card media: only the confined
# helper does. Checked on what each program names as needed, so a decoder linked back in by
# any layer fails here.
set -eu
bin=$1
decoders='lib(avformat|avcodec|swscale|raw|raw_r|heif)\.so'
for program in stowly stowly-cli; do
    if readelf -d "$bin/$program" | grep NEEDED | grep -E "$decoders"; then
        echo "$program links a decoder of card media" >&2
        exit 1
    fi
done
# The check itself sees what the helper needs.
readelf -d "$bin/stowly-decoder" | grep NEEDED | grep -qE "$decoders"
