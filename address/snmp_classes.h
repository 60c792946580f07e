// The SNMP class layer, in one include for the resolver and the query frame.
#pragma once

#include "snmp/snmp_pp.h"
