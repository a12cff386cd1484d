<Campanha>
"Operation Ironwood"
"The Tolvar team"
 4 
True
<-Campanha>
<Miss>
ironwood1_mill_road
ironwood2_harlow_bridge
ironwood3_greywater
ironwood4_depot
<-Miss>
<Nomes>
Harlan
Brandt
Okafor
Lindqvist
Moreau
Tanaka
Kowalski
Reyes
Dunmore
Vasquez
Abernathy
Ferris
<-Nomes>
