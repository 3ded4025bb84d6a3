#!/usr/bin/env bash
# An EasyComm rotator: a missing port reported; its position read at
# start-up; nonsense or a vanished device leaves the station running.
source "$(dirname "$0")/../lib.sh"

seed_station
reg_dword 'Software\Kova\Rotator' 'Rotator Type' 5 Port 9
start_tarvon
expect_eq "$(answer_box "Rotator Error" 60)" "Unable to initialise rotator communications" "missing port text"
close_tarvon

reg_dword 'Software\Kova\Rotator' 'Rotator Type' 4 Port 3
serial_device 3 easycomm1 --announce "AZ123.4 EL45.6"
start_station
sleep 4
screenshot readback
probe msgbox --timeout 1 >/dev/null && fail "a message box at start-up"
close_tarvon

# "gone": the device and its pty disappear while the station reads them.
for fault in noise garbage endless gone; do
    serial_cleanup
    serial_device 3 easycomm1 --fault "$fault" --announce "AZ1 EL1"
    start_station
    sleep 3
    [ "$fault" != gone ] || serial_cleanup
    probe msgbox --timeout 1 >/dev/null && fail "a message box with a device sending $fault"
    close_tarvon
done
