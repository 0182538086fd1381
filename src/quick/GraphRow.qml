// One row of a GraphScreen: a node's section header, or the control its parameter's kind names.
// Every control writes through the model, which pins and snaps the value and records the change.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NequoraUI

Rectangle {
    id: row

    required property int index
    required property string kind
    required property string title
    required property string valueText
    required property real proportion
    required property var choices
    required property int choiceIndex
    required property bool editable
    required property bool folded
    required property string group
    required property var value
    property GraphRowModel graph

    implicitHeight: content.implicitHeight + 16
    radius: 8
    color: kind === "section" ? colours.button : colours.base
    SystemPalette { id: colours }
    Accessible.ignored: kind !== "section"

    RowLayout {
        id: content
        anchors.fill: parent
        anchors.margins: 8
        spacing: 8

        Label {
            text: row.group.length > 0 ? row.group + " · " + row.title : row.title
            font.bold: row.kind === "section"
            Layout.preferredWidth: row.kind === "section" ? -1 : 120
            Layout.fillWidth: row.kind === "section"
            elide: Text.ElideRight
        }
        Loader {
            Layout.fillWidth: true
            sourceComponent: ({
                section: sectionToggle, slider: slider, switch: onOff, text: textField,
                segments: segments, picker: picker, readOnly: readOnly
            })[row.kind]
        }
    }

    Component {
        id: sectionToggle
        ToolButton {
            text: row.folded ? "▸" : "▾"
            Accessible.role: Accessible.Button
            Accessible.name: (row.folded ? qsTr("Unfold %1") : qsTr("Fold %1")).arg(row.title)
            onClicked: row.graph.toggleSection(row.index)
        }
    }
    Component {
        id: slider
        RowLayout {
            Slider {
                id: track
                objectName: "slider"
                Layout.fillWidth: true
                from: 0
                to: 1
                value: row.proportion
                enabled: row.editable
                Accessible.name: row.title
                Accessible.description: row.valueText
                onPressedChanged: pressed ? row.graph.beginGesture(row.index)
                                          : row.graph.endGesture(row.index)
                onMoved: row.graph.setProportion(row.index, value)
                Keys.onReturnPressed: entry.forceActiveFocus()
            }
            // The exact value, typed with or without its unit; Escape gives the shown one back.
            TextField {
                id: entry
                objectName: "entry"
                text: row.valueText
                selectByMouse: true
                Layout.preferredWidth: 90
                horizontalAlignment: TextInput.AlignRight
                Accessible.name: qsTr("%1 value").arg(row.title)
                onAccepted: if (!row.graph.setTypedText(row.index, text)) text = row.valueText
                Keys.onEscapePressed: text = row.valueText
            }
            ToolButton {
                text: "↺"
                Accessible.name: qsTr("Reset %1").arg(row.title)
                onClicked: row.graph.reset(row.index)
            }
        }
    }
    Component {
        id: onOff
        Switch {
            objectName: "switch"
            checked: row.value === true
            Accessible.name: row.title
            onToggled: row.graph.setValue(row.index, checked)
        }
    }
    Component {
        id: textField
        TextField {
            objectName: "text"
            text: row.valueText
            readOnly: !row.editable
            Accessible.name: row.title
            onEditingFinished: if (text !== row.valueText) row.graph.setValue(row.index, text)
        }
    }
    Component {
        id: segments
        RowLayout {
            objectName: "segments"
            spacing: 0
            Repeater {
                model: row.choices
                Button {
                    required property int index
                    required property string modelData
                    text: modelData
                    checkable: true
                    checked: index === row.choiceIndex
                    Accessible.role: Accessible.RadioButton
                    Accessible.name: qsTr("%1: %2").arg(row.title).arg(modelData)
                    onClicked: row.graph.choose(row.index, index)
                }
            }
        }
    }
    Component {
        id: picker
        ComboBox {
            objectName: "picker"
            model: row.choices
            currentIndex: row.choiceIndex
            displayText: row.valueText
            Accessible.name: row.title
            onActivated: index => row.graph.choose(row.index, index)
        }
    }
    Component {
        id: readOnly
        Label {
            objectName: "readOnly"
            text: row.valueText
            horizontalAlignment: Text.AlignRight
            Accessible.role: Accessible.StaticText
            Accessible.name: row.title
            Accessible.description: row.valueText
        }
    }
}
