// Out-of-line anchor of the serial-port interface.
#include "link/SerialPort.h"
