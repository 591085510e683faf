import QtQuick 2.15

// Changes a stored file: opened with the record in `fileItem`, which is read afresh from the
// service; `edited()` tells the opener once the changes and pictures are stored, and the page closes.
FileForm {
    id: editFilePage

    objectName: "editFilePage"
    editing: true
}
