# The dialog helpers are in ../station.sh, which ../lib.sh sources.
