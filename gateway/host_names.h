/* Hosts that export the versioned libmx functions under other names get a
 * mapping here; MATLAB and its stand-ins use the names as declared. */
#ifndef GATEWAY_HOST_NAMES_H
#define GATEWAY_HOST_NAMES_H
#endif
