#!/bin/bash
# Converts the TRY2035 EPW files of the built-in climate directory into the shipped c6b files:
# the DIN 4108-2 summer climate regions A, B, C and the default project's climate.
# Usage: tools/climate-convert/convert-shipped.sh BUILD_DIR [OUTPUT_ROOT]
# OUTPUT_ROOT defaults to resources/DB_climate; the repaired hours of each file are printed
# as table rows for resources/DB_climate/SOURCES.md.
set -euo pipefail
BUILD=${1:?build directory}
SRC=$(cd "$(dirname "$0")/../.." && pwd)/resources/DB_climate
OUT=${2:-$SRC}
TOOL=$BUILD/bin/climate-convert
TRY=$SRC/Europe/Germany/TRY2035

DATA_BASIS='Data basis: Deutscher Wetterdienst. Test reference years (TRY2035, projected period 2021-2050) of the Bundesinstitut für Bau-, Stadt- und Raumforschung (BBSR); the DWD is the original author of the data set. EPW conversion by Climate.OneBuilding.Org; neither the DWD nor the BBSR were responsible for the conversion, and they disclaim all liability associated with the use of the converted data.'

source_text() { echo "DWD/BBSR test reference year TRY2035, TRY region $1, station $2 (WMO $3)"; }

mkdir -p "$OUT/Europe/Germany/DIN4108_2" "$OUT/Europe/Germany/TRY2011"

region() { # letter, summer, TRY region, station, WMO, EPW file
	"$TOOL" "$TRY/$6" "$OUT/Europe/Germany/DIN4108_2/DIN4108_2_Region_$1.c6b" --city "Region $1" \
		--source "$(source_text "$3" "$4" "$5")" \
		--comment "DIN 4108-2 summer climate region $1 ($2 summer), represented by the test reference year of TRY region $3 ($4).\\n$DATA_BASIS"
}

region A cool 2 Rostock-Warnemünde 101700 02_MV_Rostock-Warnemunde_TRY2035.epw
region B moderate 4 Potsdam 103790 04_BB_Potsdam_TRY2035.epw
region C hot 12 Mannheim 107290 12_BW_Mannheim_TRY2035.epw

"$TOOL" "$TRY/04_BB_Potsdam_TRY2035.epw" "$OUT/Europe/Germany/TRY2011/DE-04-TRY-2010__Potsdam__Jahr_00000K0_00081m.c6b" \
	--source "$(source_text 4 Potsdam 103790)" \
	--comment "Average year of TRY region 4, station Potsdam, for the projected climate of 2021-2050 (TRY2035 variant of the 2011 test reference years; not the present-day TRY2010 year).\\n$DATA_BASIS"
