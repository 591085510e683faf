import QtQuick 2.15
import QtLocation 5.15
import QtPositioning 5.15

// A map drawn from the service's own tiles, whose plugin also answers place searches and reverse
// geocoding from the service. The addresses are the build's; no provider account is involved.
Map {
    id: root

    // The service's tiles come as the plugin's custom map type, which a map never selects on its own.
    function useServiceTiles() {
        for (var i = 0; i < supportedMapTypes.length; ++i) {
            if (supportedMapTypes[i].style === MapType.CustomMap) {
                activeMapType = supportedMapTypes[i]
                return
            }
        }
    }

    copyrightsVisible: false
    // Declared inside the map: a plugin that outlives the maps using it brings the program down at exit.
    plugin: Plugin {
        name: "osm"

        PluginParameter { name: "osm.useragent"; value: "Norvela" }
        PluginParameter { name: "osm.mapping.custom.host"; value: serviceConfig.mapTileUrl }
        // Otherwise the plugin asks an internet service for its tile servers before drawing anything.
        PluginParameter { name: "osm.mapping.providersrepository.disabled"; value: "true" }
        PluginParameter { name: "osm.mapping.highdpi_tiles"; value: "true" }
        PluginParameter { name: "osm.geocoding.host"; value: serviceConfig.mapGeocodingUrl }
        PluginParameter { name: "osm.places.host"; value: serviceConfig.mapPlacesUrl }
    }

    onSupportedMapTypesChanged: useServiceTiles()
    Component.onCompleted: useServiceTiles()
}
