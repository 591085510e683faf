import QtQuick 2.15

// Registers a new file: a property file (`initial` −1) or an applicant file (−2). The page stays
// open after a registration and begins the next file.
FileForm {
    id: addFilePage

    objectName: "addFilePage"
}
