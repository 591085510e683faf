import QtQuick 2.15
import QtQuick.Controls 2.15
import "../components"
import "../scripts/Utility.js" as Utility
import "../scripts/Colors.js" as Colors

// Feedback to the service: a subject, a title and a text. The page that opens it checks the
// answers, sends them and closes it.
AppDialog {
    id: contactUsDialog

    readonly property string choosePrompt: "انتخاب کنید"

    property bool isEdit: false
    property string selectedSubject: ""
    property string dialogTitle: "ارسال انتقاد و پیشنهاد"
    property alias subjectBox: subjectCombo
    property alias titleInput: titleField
    property alias contentInput: contentField

    signal positiveClicked(var selectedSubject, var title, var content)
    signal negativeClicked()

    function initial() {
        if (!isEdit) {
            titleField.text = ""
            contentField.text = ""
            selectedSubject = ""
            subjectCombo.currentIndex = -1
            subjectCombo.displayText = choosePrompt
        }
        openFrame()
    }

    dialogWidth: appWindow.width * 0.8
    dialogHeight: formContent.height + 60
    dialogPadding: 40
    closePolicy: Popup.CloseOnEscape
    contentLayout.color: "white"

    ListModel {
        id: subjectModel

        ListElement { key: "suggestion"; title: "پیشنهاد" }
        ListElement { key: "criticism"; title: "انتقاد" }
        ListElement { key: "bug_report"; title: "گزارش ایراد در برنامه" }
        ListElement { key: "request_option"; title: "درخواست قابلیت جدید" }
    }

    Column {
        id: formContent

        anchors.centerIn: parent
        width: parent.width - contactUsDialog.dialogPadding
        spacing: 10

        IranSansText {
            width: parent.width
            bottomPadding: 5
            text: contactUsDialog.dialogTitle
            textSize: Utility.TextSize.large
            textColor: Colors.primaryDark
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
        }

        IranSansText {
            width: parent.width
            text: "موضوع"
            textColor: Colors.black
            horizontalAlignment: contactUsDialog.rightToLeft ? Text.AlignRight : Text.AlignLeft
        }

        Item {
            width: parent.width
            height: 35
            LayoutMirroring.enabled: contactUsDialog.rightToLeft

            AppComboBox {
                id: subjectCombo

                objectName: "subjectCombo"
                model: subjectModel
                currentIndex: -1
                displayText: contactUsDialog.choosePrompt
                onCurrentIndexChanged: {
                    if (currentIndex >= 0 && displayText !== contactUsDialog.choosePrompt)
                        contactUsDialog.selectedSubject = subjectModel.get(currentIndex).key
                }
            }
        }

        IranSansText {
            width: parent.width
            text: "عنوان"
            textColor: Colors.black
            horizontalAlignment: contactUsDialog.rightToLeft ? Text.AlignRight : Text.AlignLeft
        }

        AppInput {
            id: titleField

            objectName: "titleField"
            width: parent.width
            height: 35
            radius: 5
            color: Colors.field
            textColor: "black"
            padding: 16
            tabItem: contentField.input
        }

        IranSansText {
            width: parent.width
            text: "متن"
            textColor: Colors.black
            horizontalAlignment: contactUsDialog.rightToLeft ? Text.AlignRight : Text.AlignLeft
        }

        AppTextArea {
            id: contentField

            objectName: "contentField"
            width: parent.width
            height: 110
            radius: 5
            color: Colors.field
            textColor: "black"
            padding: 16
            verticalAlignment: TextEdit.AlignTop
            tabItem: titleField.input
        }

        Item {
            width: parent.width
            height: 5
        }

        DialogButtons {
            width: parent.width
            height: 32
            rightToLeft: contactUsDialog.rightToLeft
            onPositiveClicked: contactUsDialog.positiveClicked(contactUsDialog.selectedSubject, titleField.text,
                                                               contentField.text)
            onNegativeClicked: contactUsDialog.negativeClicked()
        }
    }
}
