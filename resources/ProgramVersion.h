/* The programs' version, for the version resource and getlink-cli --version. */
#ifndef GETLINK_PROGRAM_VERSION_H
#define GETLINK_PROGRAM_VERSION_H

#define GETLINK_VERSION_NUMBERS 1, 2, 0, 0
#define GETLINK_VERSION_TEXT "1.2"

#endif
