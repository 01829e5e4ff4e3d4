' Rule: Array builds an array starting at index 0; an index past UBound is error 9, "Subscript out of range".
' Case: "1" => "Jan"
' Case: "12" => "Dec"
' Case: "13" => ERROR
Function DataUpdated(Data)
  Dim months
  months = Array("Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec")
  DataUpdated = months(CInt(Data) - 1)
End Function
