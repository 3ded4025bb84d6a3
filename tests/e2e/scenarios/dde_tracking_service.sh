#!/usr/bin/env bash
# The DDE tracking service as another program sees it, with our DDE client.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../passrun/passrun.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"
start_tarvon
probe find --class Tarvon --timeout 30 >/dev/null || fail "no main window"

dde() { "$WINE" "$TARVON_BIN/ddeclient.exe" "$@" 2>/dev/null | tr -d '\r'; }

# "** NO SATELLITE **\n" and its NUL.
expect_eq "$(dde Tarvon Tracking request text)" "connected
data 20
2a 2a 20 4e 4f 20 53 41 54 45 4c 4c 49 54 45 20 2a 2a 0a 00" "CF_TEXT request"
expect_eq "$(dde Tarvon Tracking request TrackData | sed -n 2p)" "data 69" "TrackData request"
expect_eq "$(dde Tarvon Rotator request text)" "connected
no data" "Rotator topic"
expect_eq "$(dde Tarvon Tracking request SomeOtherFormat)" "connected
no data" "other format"
expect_eq "$(dde Tarvon Tracking poke zero)" "connected
nack" "poke of a 0 byte"
expect_eq "$(dde Tarvon Tracking poke GO)" "connected
ack" "poke"
expect_eq "$(dde Elsewhere Tracking request text)" "not connected" "other service"
close_tarvon
echo "ok"
