import QtQuick 2.15

// Stands in for the profile page until the program has one: a user without an office is
// handed over to a page of this name.
Rectangle {
    color: "white"
}
