// The bar above a GraphScreen's rows: the generator's presets to load (when it has a store),
// the A/B switch with its copy button, and Reset All. Each is a standard control, reachable by
// Tab and named for assistive technology; what they write shows in the rows below.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import NequoraUI

ColumnLayout {
    id: bar

    // The rows the bar writes (a GraphRowModel).
    property GraphRowModel graph
    readonly property alias presets: presets

    spacing: 4

    ScreenPresets {
        id: presets
        graph: bar.graph
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 8

        ComboBox {
            id: picker
            objectName: "presetPicker"
            visible: presets.presetTexts.length > 0
            Layout.fillWidth: true
            model: presets.presetTexts
            currentIndex: presets.currentPreset
            Accessible.role: Accessible.ComboBox
            Accessible.name: qsTr("Presets")
            // Drawn as text: the style's arrow image becomes a texture the software renderer
            // never frees.
            indicator: Label {
                x: picker.mirrored ? picker.leftPadding : picker.width - width - picker.rightPadding
                y: (picker.height - height) / 2
                text: "\u25BE"
            }
            onActivated: index => {
                if (!presets.loadPreset(index))
                    currentIndex = Qt.binding(() => presets.currentPreset)
            }
        }
        Item {
            visible: !picker.visible
            Layout.fillWidth: true
        }
        Button {
            objectName: "slotButton"
            text: presets.slotText
            Accessible.role: Accessible.Button
            Accessible.name: presets.slotAccessibleName
            onClicked: presets.switchSlot()
        }
        Button {
            objectName: "copySlotButton"
            text: presets.copyText
            Accessible.role: Accessible.Button
            Accessible.name: text
            onClicked: presets.copySlot()
        }
        Button {
            objectName: "resetAllButton"
            text: qsTr("Reset All")
            Accessible.role: Accessible.Button
            Accessible.name: text
            onClicked: presets.resetAll()
        }
    }

    Label {
        objectName: "presetStatus"
        visible: text.length > 0
        Layout.fillWidth: true
        wrapMode: Text.Wrap
        text: presets.statusText
        Accessible.role: Accessible.StaticText
        Accessible.name: qsTr("Preset status")
        Accessible.description: text
    }
}
